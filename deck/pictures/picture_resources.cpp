#include "pictures/picture_resources.h"

namespace deck {

QString PictureResourcePath(int card) { return QStringLiteral(":/pictures/%1.png").arg(card); }

}  // namespace deck
