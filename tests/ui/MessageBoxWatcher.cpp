#include "tests/ui/MessageBoxWatcher.h"

TMessageBoxWatcher::TMessageBoxWatcher(const std::string& caption, DWORD timeoutMs)
    : FCaption(caption), FTimeoutMs(timeoutMs) {
  FThread = std::thread([this] {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < FTimeoutMs) {
      if (HWND box = FindWindowA("#32770", FCaption.c_str())) {
        char text[512] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        Text = text;
        FSeen = true;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return;
      }
      Sleep(20);
    }
  });
}

TMessageBoxWatcher::~TMessageBoxWatcher() {
  if (FThread.joinable()) FThread.join();
}

bool TMessageBoxWatcher::Wait() {
  if (FThread.joinable()) FThread.join();
  return FSeen;
}
