// Reading "Update.ini" into Urls and the file list.
#include "rtl/IniFile.h"
#include "updater/Files.h"
#include "updater/MainUnit.h"
#include "updater/UpdateNames.h"

void TMainForm::LoadFileList() {
  TIniFile ini(ProgramFolder() + "Update.ini");
  ini.ReadSectionValues("HTTP", *Urls);
  ini.ReadString("Version", "Ver", "");
  FileListView->Clear();
  for (int i = 0; i < Urls->Count(); ++i) {
    TListItem& row = FileListView->Add();
    row.SetCaption(FileNameFromUrl(ValueOfLine((*Urls)[i])));
    row.AddSubItem("");
  }
}
