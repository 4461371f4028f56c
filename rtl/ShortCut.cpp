#include "rtl/ShortCut.h"

namespace {

// Names of the keys from Space (0x20) to Down (0x28), in key-code order.
const char* const NavigationKeys[] = {"Space", "PgUp", "PgDn", "End", "Home", "Left", "Up", "Right", "Down"};

std::string KeyName(unsigned key) {
  if (key == 0x08) return "BkSp";
  if (key == 0x09) return "Tab";
  if (key == 0x0D) return "Enter";
  if (key == 0x1B) return "Esc";
  if (key >= 0x20 && key <= 0x28) return NavigationKeys[key - 0x20];
  if (key == 0x2D) return "Ins";
  if (key == 0x2E) return "Del";
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  // The numeric keypad's digits.
  if (key >= 0x60 && key <= 0x69) return std::string(1, static_cast<char>('0' + key - 0x60));
  if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x6F);
  return std::string();
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
  std::string name = KeyName(shortCut & 0xFF);
  if (name.empty()) return name;
  std::string text;
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scAlt) text += "Alt+";
  return text + name;
}
