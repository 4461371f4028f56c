// The value list: the selected key's last-write time, its default value and its named values.
#include <string>

#include "browser/voRegistryBrowser.h"
#include "registry/Reg32vs64.h"
#include "registry/RegistryPlatform.h"

namespace {

std::string LocaleText(LCTYPE type) {
  char text[128] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof text) == 0) return {};
  return text;
}

TDateFormatSettings UserDateSettings() {
  TDateFormatSettings settings;
  settings.ShortDateFormat = LocaleText(LOCALE_SSHORTDATE);
  settings.DateSeparator = LocaleText(LOCALE_SDATE);
  settings.TimeSeparator = LocaleText(LOCALE_STIME);
  for (int i = 0; i < 12; ++i) {
    settings.ShortMonthNames[i] = LocaleText(LOCALE_SABBREVMONTHNAME1 + i);
    settings.LongMonthNames[i] = LocaleText(LOCALE_SMONTHNAME1 + i);
  }
  // The locale counts days from Monday; the settings from Sunday.
  for (int i = 0; i < 7; ++i) {
    int fromMonday = (i + 6) % 7;
    settings.ShortDayNames[i] = LocaleText(LOCALE_SABBREVDAYNAME1 + fromMonday);
    settings.LongDayNames[i] = LocaleText(LOCALE_SDAYNAME1 + fromMonday);
  }
  return settings;
}

// Closes the key ShowValues opened, whichever way it is left.
struct TKeyCloser {
  HKEY Key;
  ~TKeyCloser() { Platform().CloseKey(Key); }
};

}  // namespace

void TfrmTavisk::LoadValues(const std::string& subPath) {
  TStringList names(true);
  {
    TRegistry registry;
    registry.SetRoot(PathManager->RootKey);
    // A key that does not open lists no names, rather than the root's.
    try {
      if (registry.OpenKeyReadOnly(subPath, Use64BitView)) registry.EnumValueNames(names);
    } catch (...) {
      // The names gathered so far are listed; the default value is read regardless.
    }
  }
  ShowValues(subPath, names);
}

void TfrmTavisk::ShowValues(const std::string& subPath, TStringList& names) {
  lvRegistry->Clear();
  HKEY key = nullptr;
  REGSAM access = Use64BitView ? KEY_QUERY_VALUE | KEY_WOW64_64KEY : KEY_QUERY_VALUE;
  if (Platform().OpenKeyEx(PathManager->RootKey, subPath.c_str(), 0, access, &key) != ERROR_SUCCESS) return;
  TKeyCloser closer{key};
  names.Add("");
  AddModifiedRow(key);
  TValueBuffer buffer;
  for (int i = 0; i < names.Count(); ++i) {
    TListItem& item = lvRegistry->Add();
    item.SetCaption(i == 0 ? "(Default)" : names[i]);
    // Cleared each time, so a short number never picks up bytes of the value before it.
    buffer.fill(0);
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(buffer.size());
    bool read = Platform().QueryValueEx(key, names[i].c_str(), nullptr, &type, buffer.data(), &size) == ERROR_SUCCESS;
    TValueRow row = ValueRowTexts(read, type, buffer, size, i == 0);
    item.SetImageIndex(row.ImageIndex);
    item.AddSubItem(row.Type);
    item.AddSubItem(row.Data);
  }
}

void TfrmTavisk::AddModifiedRow(HKEY key) {
  FILETIME written{};
  if (Platform().QueryInfoKey(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                              nullptr, &written) != ERROR_SUCCESS)
    return;
  if (written.dwLowDateTime == 0 || written.dwHighDateTime == 0) return;
  TListItem& item = lvRegistry->Add();
  item.SetCaption("(Modified)");
  item.SetImageIndex(imgModifiedRow);
  item.AddSubItem("FILETIME");
  item.AddSubItem(ModifiedTimeText(FileTimeToDateTime(written), UserDateSettings()));
}

TLocalDateTime TfrmTavisk::FileTimeToDateTime(const FILETIME& fileTime) {
  FILETIME local{};
  SYSTEMTIME system{};
  if (!FileTimeToLocalFileTime(&fileTime, &local) || !FileTimeToSystemTime(&local, &system)) return {};
  return {system.wYear, system.wMonth, system.wDayOfWeek, system.wDay,
          system.wHour, system.wMinute, system.wSecond, system.wMilliseconds};
}
