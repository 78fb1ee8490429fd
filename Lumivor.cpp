#include "Unit1/Unit1.h"
#include "toolkit/app/application.h"

int main() {
  toolkit::Application->Initialize();
  toolkit::Application->CreateForm(Form1);
  return toolkit::Application->Run();
}
