// For screenshots: waits for a visible browser window, opens its Bookmarks menu from the
// keyboard (its first item is then highlighted) and moves the highlight down N times.
// Usage: OpenBookmarksMenu [N]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  int downs = argc > 1 ? std::atoi(argv[1]) : 0;
  HWND window = nullptr;
  for (int tries = 0; tries < 100 && !(window && IsWindowVisible(window)); ++tries) {
    window = FindWindowA("TfrmTavisk", nullptr);
    Sleep(100);
  }
  if (!window) {
    std::fprintf(stderr, "OpenBookmarksMenu: no browser window\n");
    return 1;
  }
  SetForegroundWindow(window);
  PostMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, 'b');
  Sleep(800);
  // The menu loop reads the keys posted to its window's thread.
  for (int i = 0; i < downs; ++i) {
    PostMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(window, WM_KEYUP, VK_DOWN, 0xC0000000);
    Sleep(300);
  }
  return 0;
}
