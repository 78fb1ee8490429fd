#pragma once

#include <QApplication>

namespace toolkit {

// The message loop. An error escaping an event handler is shown in a message box, and the
// loop goes on.
class MessageLoop : public QApplication {
  Q_OBJECT

 public:
  MessageLoop(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

// Shows an error that reached the message loop.
void ShowError(const QString& text);

}  // namespace toolkit
