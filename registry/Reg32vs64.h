#pragma once
// The process-wide registry view flag and the registry class that opens, lists, reads and
// writes keys through the chosen view.
#include <windows.h>

#include <cstdint>
#include <string>

#include "rtl/Exceptions.h"
#include "rtl/StringList.h"

// True: openings that consult it ask for the 64-bit view. Written only by the browser window.
extern bool Use64BitView;

// The process is a 32-bit process on 64-bit Windows; raises when the system call fails.
bool IsWow64();
// The access bit that selects the 64-bit view from this process.
uint32_t ViewAccessFlag();

enum TValueKind { vkUnknown, vkText, vkExpandText, vkNumber, vkBinary };

struct TKeyInfo {
  uint32_t SubKeyTotal;
  uint32_t LongestSubKey;
  uint32_t ValueTotal;
  uint32_t LongestValueName;
  uint32_t LargestData;
  FILETIME LastWriteTime;
};

struct TValueInfo {
  TValueKind Kind;
  int32_t ByteSize;
};

class TRegistry {
public:
  TRegistry() = default;
  explicit TRegistry(uint32_t access) : AccessMask(access) {}
  virtual ~TRegistry() { ReleaseKey(); }
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  void SetRoot(HKEY root);
  void ReleaseKey();
  bool OpenKey(const std::string& key, bool createMissing, bool useView);
  bool OpenKeyReadOnly(const std::string& key, bool useView);
  bool QueryKeyInfo(TKeyInfo& info);
  void EnumSubKeyNames(TStringList& list);
  void EnumValueNames(TStringList& list);
  bool QueryValueInfo(const std::string& name, TValueInfo& info);
  bool HasValue(const std::string& name);
  bool RemoveValue(const std::string& name);
  int32_t ReadNumber(const std::string& name);
  void WriteNumber(const std::string& name, int32_t number);
  bool ReadFlag(const std::string& name) { return ReadNumber(name) != 0; }
  void WriteFlag(const std::string& name, bool flag) { WriteNumber(name, flag ? 1 : 0); }
  void StoreData(const std::string& name, const void* data, TValueKind kind, uint32_t size);
  uint32_t FetchData(const std::string& name, void* buffer, uint32_t size, TValueKind& kind);

  HKEY OpenHandle = nullptr;
  HKEY RootHandle = HKEY_CURRENT_USER;
  bool DeferFlush = true;
  std::string OpenPath;
  bool OwnsRoot = false;
  uint32_t AccessMask = KEY_ALL_ACCESS;

private:
  struct Target {
    HKEY base;
    std::string text;  // the key text without its leading backslash
    std::string path;  // OpenPath once the opening succeeds
  };
  Target Resolve(const std::string& key) const;
  void AdoptKey(HKEY handle, const std::string& path);
  void EnumNames(TStringList& list, bool values);
};

TValueKind KindFromRegType(DWORD type);
DWORD RegTypeFromKind(TValueKind kind);
