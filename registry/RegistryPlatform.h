#pragma once
// The platform calls the registry layer makes, as one table a test can patch to make a call
// fail where the real system cannot be made to (a failing IsWow64Process, a double-byte code
// page, an enumeration index that fails). Defaults are the real functions.
#include <windows.h>

using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);

struct RegistryPlatform {
  decltype(&RegOpenKeyExA) OpenKeyEx;
  decltype(&RegCreateKeyExA) CreateKeyEx;
  decltype(&RegQueryInfoKeyA) QueryInfoKey;
  decltype(&RegEnumKeyExA) EnumKeyEx;
  decltype(&RegEnumValueA) EnumValue;
  decltype(&RegQueryValueExA) QueryValueEx;
  decltype(&RegSetValueExA) SetValueEx;
  decltype(&RegDeleteValueA) DeleteValue;
  decltype(&RegFlushKey) FlushKey;
  decltype(&RegCloseKey) CloseKey;
  // "IsWow64Process" of the loaded kernel32, or null where the system has none.
  IsWow64ProcessFn (*FindIsWow64Process)();
  // The ANSI code page has lead bytes and the system is of the NT family.
  bool (*DoubleByteNt)();
  // This process is itself 64-bit: its native view is the 64-bit one.
  bool Is64BitProcess;
};

RegistryPlatform& Platform();
RegistryPlatform DefaultPlatform();
