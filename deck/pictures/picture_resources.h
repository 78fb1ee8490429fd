#pragma once

#include <QString>

#include "deck.h"

// The card pictures built into the program as PNG resources.
namespace deck {

// ":/pictures/N.png" for card N, 1..kCardCount.
QString PictureResourcePath(int card);

}  // namespace deck
