#include "bookmarks/MenuChecks.h"

#include <windows.h>

#include "bookmarks/StripHotkey.h"
#include "registry/Reg32vs64.h"

namespace {

// KEY_ALL_ACCESS with KEY_WOW64_64KEY.
constexpr uint32_t ChecksAccess = 0xF013F;

bool SystemLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

std::string ValueNameOf(const TMenuItem* item) {
  return StripHotkey(item->Caption(), SystemLeadByte, GetSystemMetrics(SM_DBCSENABLED) != 0);
}

}  // namespace

void StoreMenuChecks(TMenuItem* item, const std::string& keyPath, bool saving) {
  TRegistry registry(ChecksAccess);
  registry.SetRoot(HKEY_CURRENT_USER);
  if (!registry.OpenKey(keyPath, saving, Use64BitView)) return;
  // A restoring click may rebuild the children (a bookmark's click does): the walk then goes
  // on over the new ones and stops where none are left.
  const int count = item->Count();
  for (int i = 0; i < count && i < item->Count(); ++i) {
    TMenuItem* child = item->Items(i);
    if (child->Count() > 0) {
      StoreMenuChecks(child, keyPath, saving);
      continue;
    }
    std::string name = ValueNameOf(child);
    if (name == "-") continue;
    if (saving) {
      registry.WriteFlag(name, child->Checked());
    } else if (registry.HasValue(name) && registry.ReadFlag(name) != child->Checked()) {
      child->Click();
    }
  }
}
