#pragma once
// Keyboard shortcuts of menu items: a virtual-key code in the low byte and modifier bits above.
#include <cstdint>
#include <string>

using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

// "Ctrl+S", "Shift+Del", "F5"; empty for no shortcut or a key without a name here.
std::string ShortCutToText(TShortCut shortCut);
