#include <windows.h>

#include "app/Registration.h"
#include "app/Unit1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application.Initialize();
  RegisterLayoutClasses();
  FolderArgument = Application.CommandLineTail();
  Application.CreateForm(Form1);
  Application.Run();
  delete Form1;
  return 0;
}
