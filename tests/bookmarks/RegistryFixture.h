#pragma once
// A scratch key below HKEY_CURRENT_USER\Software\Dunmora, removed before and after each test,
// with raw value access that bypasses the code under test.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

class ScratchKeyTest : public ::testing::Test {
protected:
  static constexpr const char* Suffix = "\\Bookmarks Test";
  static std::string Path() { return std::string("Software\\Dunmora") + Suffix; }

  void SetUp() override { Remove(); }
  void TearDown() override { Remove(); }

  static void Remove() { RegDeleteTreeA(HKEY_CURRENT_USER, Path().c_str()); }

  // Text values are written as the given characters exactly, with no NUL added: the ANSI
  // writer adds one whenever the byte after the data is a NUL.
  static void Write(const std::string& name, DWORD type, const std::string& data) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Path().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr), ERROR_SUCCESS);
    std::wstring wideName(name.begin(), name.end());
    if (type == REG_SZ) {
      std::wstring text(data.begin(), data.end());
      RegSetValueExW(key, wideName.c_str(), 0, type, reinterpret_cast<const BYTE*>(text.data()),
                     static_cast<DWORD>(text.size() * sizeof(wchar_t)));
    } else {
      RegSetValueExW(key, wideName.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                     static_cast<DWORD>(data.size()));
    }
    RegCloseKey(key);
  }

  // The data of a value as the registry holds it, or nothing when it is missing; its type in
  // *type. Text values are read as stored characters (test texts are ASCII), so a NUL that the
  // ANSI reading functions would add shows only when it is really stored.
  static std::optional<std::string> Read(const std::string& name, DWORD* type = nullptr) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Path().c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {};
    std::wstring wideName(name.begin(), name.end());
    std::string data(8192, '\0');
    DWORD size = static_cast<DWORD>(data.size()), kind = 0;
    LONG result = RegQueryValueExW(key, wideName.c_str(), nullptr, &kind, reinterpret_cast<BYTE*>(&data[0]), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return {};
    if (type) *type = kind;
    data.resize(size);
    if (kind != REG_SZ) return data;
    std::string text;
    for (size_t i = 0; i + 1 < data.size(); i += 2) text += static_cast<char>(data[i]);
    return text;
  }

  static bool KeyExists() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Path().c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }
};
