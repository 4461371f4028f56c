// A small host: loads Tavisk.dll beside it, opens a browser window for the view given as the
// first argument, takes it to the key path given as the second, and runs the message loop until
// no browser window is visible.
#include <windows.h>

#include <cstdio>

#include "host/Tavisk.h"

namespace {

BOOL CALLBACK FindVisibleBrowser(HWND window, LPARAM found) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, "TfrmTavisk") == 0 && IsWindowVisible(window)) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
  }
  return TRUE;
}

bool BrowserVisible() {
  bool found = false;
  EnumThreadWindows(GetCurrentThreadId(), FindVisibleBrowser, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: TaviskHost X64|X86 [key path]\n");
    return 2;
  }
  HMODULE library = LoadLibraryA("Tavisk.dll");
  if (!library) {
    std::fprintf(stderr, "TaviskHost: cannot load Tavisk.dll (error %lu)\n", GetLastError());
    return 1;
  }
  auto showRegForm = reinterpret_cast<TShowRegForm>(reinterpret_cast<void*>(GetProcAddress(library, "ShowRegForm")));
  if (!showRegForm) {
    std::fprintf(stderr, "TaviskHost: Tavisk.dll has no ShowRegForm\n");
    return 1;
  }
  showRegForm(argv[1]);
  if (argc > 2) {
    auto goToBookmark = reinterpret_cast<TGoToBookmark>(reinterpret_cast<void*>(GetProcAddress(library, "GoToBookmark")));
    if (goToBookmark) goToBookmark(argv[2]);
  }
  // Wakes the loop now and then, since hiding a window posts nothing to this thread.
  SetTimer(nullptr, 0, 200, nullptr);
  MSG msg;
  while (BrowserVisible() && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
