#include "registry/voRegistry.h"

#include "registry/Reg32vs64.h"
#include "registry/RegistryPlatform.h"
#include "rtl/Exceptions.h"

const TRootKey RootKeys[RootKeyTotal] = {
    {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},   {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE}, {"HKEY_USERS", HKEY_USERS},
    {"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
};

HKEY RootKeyFromName(const std::string& name) {
  for (const TRootKey& root : RootKeys)
    if (name == root.Name) return root.Key;
  throw Exception(name + " - Invalid HKEY description");
}

uint32_t SubKeyCount(HKEY root, const std::string& subPath) {
  // Direct callers always ask for the 64-bit view bit, whatever the WOW64 state.
  REGSAM mask = Use64BitView ? KEY_QUERY_VALUE | KEY_WOW64_64KEY : KEY_QUERY_VALUE;
  HKEY key = nullptr;
  if (Platform().OpenKeyEx(root, subPath.c_str(), 0, mask, &key) != ERROR_SUCCESS) return 0;
  DWORD subKeys = 0;
  LONG result = Platform().QueryInfoKey(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr,
                                        nullptr, nullptr, nullptr, nullptr, nullptr);
  Platform().CloseKey(key);
  return result == ERROR_SUCCESS ? subKeys : 0;
}
