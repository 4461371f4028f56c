// Program start of the updater.
#include <windows.h>

#include "ui/Application.h"
#include "updater/MainUnit.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application->Initialize();
  Application->CreateForm(MainForm);
  Application->Run();
  TComponent::Free(MainForm);
  return 0;
}
