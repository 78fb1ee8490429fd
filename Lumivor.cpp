#include "Unit1.h"
#include "application.h"

int main() {
  toolkit::Application->Initialize();
  toolkit::Application->CreateForm(Form1);
  return toolkit::Application->Run();
}
