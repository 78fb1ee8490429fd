#pragma once

#include <QApplication>

namespace toolkit {

// The message loop. Beside delivering input to the controls, it lets each window follow
// the strokes made over it.
class MessageLoop : public QApplication {
  Q_OBJECT

 public:
  MessageLoop(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace toolkit
