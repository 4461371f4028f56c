#pragma once
// The flat look of one window's menus: a grey image column, a light text area, a blue-grey
// rounded highlight with navy text, the "Tahoma" face, and right-to-left menus mirrored.
#include <windows.h>

#include "ui/Menus.h"

class TvoAlterMenu {
public:
  // Switches the owner's menus to owner drawing at once.
  explicit TvoAlterMenu(TComponent* owner);

  bool Active() const { return FActive; }
  void SetActive(bool value);
  // Attaches DrawItem to every item of every menu of the owner, or detaches it while inactive;
  // items added later are painted only after another call.
  void HookItems();
  void HookItem(TMenuItem* item);
  void DrawItem(TObject* sender, TCanvas& canvas, RECT rect, UINT state);

private:
  TComponent* FOwner;
  bool FActive = false;
};
