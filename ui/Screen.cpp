#include "ui/Screen.h"

TScreen Screen;

void TScreen::SetCursor(TCursor cursor) {
  FCursor = cursor;
  ::SetCursor(LoadCursor(nullptr, cursor == crHourGlass ? IDC_WAIT : IDC_ARROW));
}
