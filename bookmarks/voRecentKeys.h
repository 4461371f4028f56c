#pragma once
// The bookmarks: at most eight key paths, most recent first, kept as Key0..Key7 under
// HKEY_CURRENT_USER\Software\Dunmora + a suffix and shown as numbered children of one menu item.
#include <functional>
#include <string>

#include "rtl/StringList.h"
#include "ui/Menus.h"

class TvoAlterMenu;

using TOpenKeyEvent = std::function<void(const std::string& path)>;

class TvoRecentKeys {
public:
  // Reads the stored bookmarks and builds their items at once. The menu item and the painter
  // are borrowed; the painter may be null.
  TvoRecentKeys(TMenuItem* menuItem, const std::string& keySuffix, TvoAlterMenu* alterMenu);
  virtual ~TvoRecentKeys();
  TvoRecentKeys(const TvoRecentKeys&) = delete;
  TvoRecentKeys& operator=(const TvoRecentKeys&) = delete;

  void Load();
  void Save();
  // Takes the path out (the first entry equal ignoring case) and, unless removing, puts it first;
  // then saves and reloads, so the list is what the registry holds.
  void Change(const std::string& path, bool remove);
  bool Contains(const std::string& path) const;
  void AddMenuItem(const std::string& caption);
  void ItemClick(TObject* sender);

  const TStringList& Keys() const { return FKeys; }
  std::string KeyPath() const { return "Software\\Dunmora" + FKeySuffix; }

  TOpenKeyEvent OnOpen;

private:
  TMenuItem* FMenuItem;
  std::string FKeySuffix;
  TStringList FKeys;
  TvoAlterMenu* FAlterMenu;
};
