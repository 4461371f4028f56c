#pragma once
// The screen: its size and the application's cursor.
#include <windows.h>

enum TCursor { crDefault, crHourGlass };

class TScreen {
public:
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor cursor);

private:
  TCursor FCursor = crDefault;
};

extern TScreen Screen;

// Shows the hourglass for its lifetime, whichever way the scope is left.
class TWaitCursor {
public:
  TWaitCursor() : FSaved(Screen.Cursor()) { Screen.SetCursor(crHourGlass); }
  ~TWaitCursor() { Screen.SetCursor(FSaved); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;

private:
  TCursor FSaved;
};
