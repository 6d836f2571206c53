#include <windows.h>

#include "app/Registration.h"
#include "app/Unit1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application.Initialize();
  RegisterLayoutClasses();
  Application.CreateForm(Form1, Application.CommandLineTail());
  Application.Run();
  delete Form1;
  return 0;
}
