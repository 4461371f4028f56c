#pragma once
// Waits on a thread of its own for a message box of the given caption, keeps its text and
// closes it, so a test can drive code that reports an error modally.
#include <windows.h>

#include <string>
#include <thread>

class TMessageBoxWatcher {
public:
  TMessageBoxWatcher(const std::string& caption, DWORD timeoutMs);
  ~TMessageBoxWatcher();
  // Joins the thread; true when a box came, its text then in Text.
  bool Wait();
  std::string Text;

private:
  std::string FCaption;
  DWORD FTimeoutMs;
  bool FSeen = false;
  std::thread FThread;
};
