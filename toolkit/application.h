#pragma once

#include <QApplication>
#include <functional>
#include <memory>
#include <vector>

namespace toolkit {

class TForm;

// The program's application object: it records the forms to create, creates them from
// their definitions, shows the main form and runs the message loop.
class TApplication {
 public:
  TApplication();
  ~TApplication();

  // Sets up the windowing system; one layout unit is one physical pixel on every display.
  void Initialize();

  // Records a form to create when the application runs, and the variable that will hold it.
  template <typename Form>
  void CreateForm(Form*& variable) {
    pending_.push_back([&variable]() -> TForm* {
      variable = new Form();
      return variable;
    });
  }

  // Creates the recorded forms, shows the first one as the main form and runs the message
  // loop until the main form closes. Returns the process's exit code.
  int Run();

 private:
  std::unique_ptr<QApplication> loop_;
  std::vector<std::function<TForm*()>> pending_;
  std::unique_ptr<TForm> mainForm_;
  std::vector<std::unique_ptr<TForm>> otherForms_;
};

// The program's one application object.
extern TApplication* const Application;

}  // namespace toolkit
