#include "bookmarks/voRecentKeys.h"

#include <windows.h>

#include <algorithm>

#include "bookmarks/voAlterMenu.h"
#include "registry/Reg32vs64.h"
#include "rtl/Exceptions.h"

namespace {

constexpr int MaxKeys = 8;
constexpr DWORD cbValueBuffer = 1024;

std::string ValueName(int n) { return "Key" + std::to_string(n); }

// Open keys are closed on every way out.
class TKeyHandle {
public:
  TKeyHandle() = default;
  ~TKeyHandle() {
    if (Handle) RegCloseKey(Handle);
  }
  TKeyHandle(const TKeyHandle&) = delete;
  TKeyHandle& operator=(const TKeyHandle&) = delete;
  HKEY Handle = nullptr;
};

}  // namespace

TvoRecentKeys::TvoRecentKeys(TMenuItem* menuItem, const std::string& keySuffix, TvoAlterMenu* alterMenu)
    : FMenuItem(menuItem), FKeySuffix(keySuffix), FAlterMenu(alterMenu) {
  Load();
}

TvoRecentKeys::~TvoRecentKeys() { Save(); }

void TvoRecentKeys::Load() {
  FKeys.Clear();
  REGSAM access = KEY_QUERY_VALUE | (Use64BitView ? KEY_WOW64_64KEY : 0);
  while (FMenuItem->Count() > 0) TComponent::Free(FMenuItem->Items(FMenuItem->Count() - 1));
  TKeyHandle key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath().c_str(), 0, access, &key.Handle) == ERROR_SUCCESS) {
    for (int n = 0; n < MaxKeys; ++n) {
      char buffer[cbValueBuffer];
      DWORD cbData = cbValueBuffer;
      if (RegQueryValueExA(key.Handle, ValueName(n).c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer),
                           &cbData) != ERROR_SUCCESS)
        continue;
      // The text ends at the first NUL, or with the data when it holds none.
      FKeys.Add(std::string(buffer, std::find(buffer, buffer + cbData, '\0')));
    }
  }
  for (int i = 0; i < FKeys.Count(); ++i) AddMenuItem(Format("&%d %s", i, FKeys[i].c_str()));
  FMenuItem->SetVisible(FKeys.Count() > 0);
}

void TvoRecentKeys::Save() {
  TKeyHandle key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath().c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, &key.Handle, nullptr) != ERROR_SUCCESS)
    return;
  int written = 0;
  for (const std::string& path : FKeys.Items()) {
    if (written >= MaxKeys) break;
    if (path.empty()) continue;
    // Stored without a terminating NUL: the data length is the path length.
    if (RegSetValueExA(key.Handle, ValueName(written).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(path.data()),
                       static_cast<DWORD>(path.size())) == ERROR_SUCCESS)
      ++written;
  }
  for (int n = written; n < MaxKeys; ++n) RegDeleteValueA(key.Handle, ValueName(n).c_str());
}

void TvoRecentKeys::Change(const std::string& path, bool remove) {
  int found = FKeys.IndexOf(path);
  if (found >= 0) FKeys.Delete(found);
  if (!remove) FKeys.Insert(0, path);
  Save();
  Load();
}

bool TvoRecentKeys::Contains(const std::string& path) const { return FKeys.IndexOf(path) >= 0; }

void TvoRecentKeys::AddMenuItem(const std::string& caption) {
  auto* item = new TMenuItem(FMenuItem);
  item->SetCaption(caption);
  FMenuItem->Add(item);
  item->OnClick = [this](TObject* sender) { ItemClick(sender); };
  if (FAlterMenu) FAlterMenu->HookItems();
}

void TvoRecentKeys::ItemClick(TObject* sender) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (!item) return;
  // A copy: opening rebuilds the menu and frees the item that was clicked.
  const std::string& caption = item->Caption();
  size_t blank = caption.find(' ');
  std::string path = blank == std::string::npos ? caption : caption.substr(blank + 1);
  Fire(OnOpen, path);
}
