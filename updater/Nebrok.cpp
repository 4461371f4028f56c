// Program start of the updater.
#include <windows.h>

#include "ui/Application.h"
#include "updater/MainUnit.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application->Initialize();
  try {
    Application->CreateForm(MainForm);
  } catch (...) {
    Application->HandleException();  // a window that cannot be made is reported, not a crash
    return 1;
  }
  Application->Run();
  TComponent::Free(MainForm);
  return 0;
}
