#include "registry/RegistryPlatform.h"

namespace {

IsWow64ProcessFn FindRealIsWow64Process() {
  HMODULE kernel = GetModuleHandleA("kernel32");
  if (!kernel) return nullptr;
  return reinterpret_cast<IsWow64ProcessFn>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
}

bool RealDoubleByteNt() {
  bool nt = (GetVersion() & 0x80000000u) == 0;
  return nt && GetSystemMetrics(SM_DBCSENABLED) != 0;
}

}  // namespace

RegistryPlatform DefaultPlatform() {
  return RegistryPlatform{RegOpenKeyExA,     RegCreateKeyExA,  RegQueryInfoKeyA,
                          RegEnumKeyExA,     RegEnumValueA,    RegQueryValueExA,
                          RegSetValueExA,    RegDeleteValueA,  RegFlushKey,
                          RegCloseKey,       FindRealIsWow64Process, RealDoubleByteNt,
                          sizeof(void*) == 8};
}

RegistryPlatform& Platform() {
  static RegistryPlatform platform = DefaultPlatform();
  return platform;
}
