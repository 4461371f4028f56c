#pragma once
// Saves the check marks of the leaf items below a menu item as REG_DWORD values named by their
// captions without hot keys, and restores them by clicking each item whose mark differs.
#include <string>

#include "ui/Menus.h"

// keyPath lies below HKEY_CURRENT_USER. A key that cannot be opened (or created, when saving)
// is passed over silently; a value that cannot be written or read as a flag raises.
void StoreMenuChecks(TMenuItem* item, const std::string& keyPath, bool saving);
