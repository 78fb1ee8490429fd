#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "toolkit/platform/platform.h"

namespace toolkit {

class TForm;

// The program's application object: it records the forms to create, creates them from their
// definitions, shows the main form and runs the message loop.
class TApplication {
 public:
  TApplication();
  ~TApplication();

  // Starts the platform's services and chooses the look by the system's version.
  void Initialize();

  // Records a form to create when the application runs, and the variable that will hold it.
  template <typename Form>
  void CreateForm(Form*& variable) {
    pending_.push_back([&variable]() -> std::unique_ptr<TForm> {
      auto form = std::make_unique<Form>();
      variable = form.get();
      return form;
    });
  }

  // Creates the recorded forms, shows the first one as the main form and runs the message
  // loop until Terminate; then shuts down. Returns the process's exit code.
  int Run();
  // Ends the forms and then the platform's services, while the process can still end them
  // cleanly: left to the exit handlers, the system's side of the platform may already be gone.
  // Run does it itself; a process that initialised the application without running it calls
  // it before main returns. Initialize starts the services again.
  void Shutdown();
  // Ends the message loop; the program then ends with exit code 0.
  void Terminate();

  TForm* MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }
  platform::Platform& Services() const;

 private:
  std::unique_ptr<platform::Platform> platform_;
  std::vector<std::function<std::unique_ptr<TForm>()>> pending_;
  std::vector<std::unique_ptr<TForm>> forms_;
};

// The program's one application object.
extern TApplication* const Application;

}  // namespace toolkit
