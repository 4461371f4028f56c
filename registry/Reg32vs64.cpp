#include "registry/Reg32vs64.h"

#include <vector>

#include "registry/RegistryPlatform.h"

bool Use64BitView = false;

bool IsWow64() {
  IsWow64ProcessFn isWow64Process = Platform().FindIsWow64Process();
  if (!isWow64Process) return false;
  BOOL wow64 = FALSE;
  if (!isWow64Process(GetCurrentProcess(), &wow64)) throw Exception("IsWow64: bad process handle");
  return wow64 != FALSE;
}

uint32_t ViewAccessFlag() {
  // A 64-bit process sees the 64-bit view natively; KEY_WOW64_32KEY would show it the 32-bit one.
  if (Platform().Is64BitProcess) return KEY_WOW64_64KEY;
  return IsWow64() ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
}

TValueKind KindFromRegType(DWORD type) {
  switch (type) {
    case REG_SZ: return vkText;
    case REG_EXPAND_SZ: return vkExpandText;
    case REG_DWORD: return vkNumber;
    case REG_BINARY: return vkBinary;
    default: return vkUnknown;
  }
}

DWORD RegTypeFromKind(TValueKind kind) {
  switch (kind) {
    case vkText: return REG_SZ;
    case vkExpandText: return REG_EXPAND_SZ;
    case vkNumber: return REG_DWORD;
    case vkBinary: return REG_BINARY;
    default: return REG_NONE;
  }
}

void TRegistry::SetRoot(HKEY root) {
  if (root == RootHandle) return;
  if (OwnsRoot) {
    Platform().CloseKey(RootHandle);
    OwnsRoot = false;
  }
  RootHandle = root;
  ReleaseKey();
}

void TRegistry::ReleaseKey() {
  if (!OpenHandle) return;
  if (!DeferFlush) Platform().FlushKey(OpenHandle);
  Platform().CloseKey(OpenHandle);
  OpenHandle = nullptr;
  OpenPath.clear();
}

TRegistry::Target TRegistry::Resolve(const std::string& key) const {
  bool absolute = !key.empty() && key[0] == '\\';
  Target target;
  target.text = absolute ? key.substr(1) : key;
  bool fromOpen = OpenHandle && !absolute;
  target.base = fromOpen ? OpenHandle : RootHandle;
  target.path = fromOpen ? OpenPath + "\\" + target.text : target.text;
  return target;
}

void TRegistry::AdoptKey(HKEY handle, const std::string& path) {
  ReleaseKey();
  OpenHandle = handle;
  OpenPath = path;
}

bool TRegistry::OpenKey(const std::string& key, bool createMissing, bool useView) {
  Target target = Resolve(key);
  HKEY handle = nullptr;
  LONG result;
  if (!createMissing || target.text.empty()) {
    if (useView) AccessMask |= ViewAccessFlag();
    result = Platform().OpenKeyEx(target.base, target.text.c_str(), 0, AccessMask, &handle);
  } else {
    // Creating never adds the view bit: that is how keys are created here.
    result = Platform().CreateKeyEx(target.base, target.text.c_str(), 0, nullptr,
                                    REG_OPTION_NON_VOLATILE, AccessMask, nullptr, &handle, nullptr);
  }
  if (result != ERROR_SUCCESS) return false;
  AdoptKey(handle, target.path);
  return true;
}

bool TRegistry::OpenKeyReadOnly(const std::string& key, bool useView) {
  static const uint32_t tries[] = {KEY_READ, STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS,
                                   KEY_QUERY_VALUE};
  Target target = Resolve(key);
  for (uint32_t mask : tries) {
    if (useView) mask |= ViewAccessFlag();
    HKEY handle = nullptr;
    if (Platform().OpenKeyEx(target.base, target.text.c_str(), 0, mask, &handle) == ERROR_SUCCESS) {
      AccessMask = mask;
      AdoptKey(handle, target.path);
      return true;
    }
  }
  return false;
}

bool TRegistry::QueryKeyInfo(TKeyInfo& info) {
  info = TKeyInfo{};
  DWORD subKeys = 0, longestSubKey = 0, values = 0, longestValue = 0, largestData = 0;
  LONG result = Platform().QueryInfoKey(OpenHandle, nullptr, nullptr, nullptr, &subKeys, &longestSubKey,
                                        nullptr, &values, &longestValue, &largestData, nullptr,
                                        &info.LastWriteTime);
  info.SubKeyTotal = subKeys;
  info.LongestSubKey = longestSubKey;
  info.ValueTotal = values;
  info.LongestValueName = longestValue;
  info.LargestData = largestData;
  // On double-byte code pages the reported lengths count characters, not bytes.
  if (Platform().DoubleByteNt()) {
    info.LongestSubKey *= 2;
    info.LongestValueName *= 2;
  }
  return result == ERROR_SUCCESS;
}

void TRegistry::EnumNames(TStringList& list, bool values) {
  list.Clear();
  TKeyInfo info;
  if (!QueryKeyInfo(info)) return;
  uint32_t total = values ? info.ValueTotal : info.SubKeyTotal;
  uint32_t cchBuffer = (values ? info.LongestValueName : info.LongestSubKey) + 1;
  std::vector<char> name(cchBuffer);
  for (uint32_t index = 0; index < total; ++index) {
    DWORD cchName = cchBuffer;
    LONG result = values ? Platform().EnumValue(OpenHandle, index, name.data(), &cchName, nullptr,
                                                nullptr, nullptr, nullptr)
                         : Platform().EnumKeyEx(OpenHandle, index, name.data(), &cchName, nullptr,
                                                nullptr, nullptr, nullptr);
    // A failed index adds nothing rather than whatever the buffer held before.
    if (result != ERROR_SUCCESS) continue;
    list.Add(std::string(name.data(), strnlen(name.data(), cchBuffer)));
  }
}

void TRegistry::EnumSubKeyNames(TStringList& list) { EnumNames(list, false); }
void TRegistry::EnumValueNames(TStringList& list) { EnumNames(list, true); }

bool TRegistry::QueryValueInfo(const std::string& name, TValueInfo& info) {
  info = TValueInfo{};
  DWORD type = REG_NONE, cbData = 0;
  LONG result = Platform().QueryValueEx(OpenHandle, name.c_str(), nullptr, &type, nullptr, &cbData);
  info.Kind = KindFromRegType(type);
  info.ByteSize = static_cast<int32_t>(cbData);
  return result == ERROR_SUCCESS;
}

bool TRegistry::HasValue(const std::string& name) {
  TValueInfo info;
  return QueryValueInfo(name, info);
}

bool TRegistry::RemoveValue(const std::string& name) {
  return Platform().DeleteValue(OpenHandle, name.c_str()) == ERROR_SUCCESS;
}

void TRegistry::StoreData(const std::string& name, const void* data, TValueKind kind, uint32_t size) {
  if (Platform().SetValueEx(OpenHandle, name.c_str(), 0, RegTypeFromKind(kind),
                            static_cast<const BYTE*>(data), size) != ERROR_SUCCESS)
    throw ERegistryException(Format("Failed to set data for '%s'", name.c_str()));
}

uint32_t TRegistry::FetchData(const std::string& name, void* buffer, uint32_t size, TValueKind& kind) {
  DWORD type = REG_NONE, cbData = size;
  if (Platform().QueryValueEx(OpenHandle, name.c_str(), nullptr, &type, static_cast<BYTE*>(buffer),
                              &cbData) != ERROR_SUCCESS)
    throw ERegistryException(Format("Failed to get data for '%s'", name.c_str()));
  kind = KindFromRegType(type);
  return cbData;
}

int32_t TRegistry::ReadNumber(const std::string& name) {
  int32_t number = 0;
  TValueKind kind;
  FetchData(name, &number, sizeof number, kind);
  if (kind != vkNumber) throw ERegistryException(Format("Invalid data type for '%s'", name.c_str()));
  return number;
}

void TRegistry::WriteNumber(const std::string& name, int32_t number) {
  StoreData(name, &number, vkNumber, sizeof number);
}
