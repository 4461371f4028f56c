// The update run: a backup of each existing file, then its download.
#include "rtl/Exceptions.h"
#include "ui/Application.h"
#include "updater/Files.h"
#include "updater/MainUnit.h"
#include "updater/UpdateNames.h"

namespace {

// Rows whose names leave the program folder are refused before anything is touched.
void CheckNames(TListView& list) {
  for (int i = 0; i < list.Count(); ++i) {
    std::string name = list.Item(i).Caption();
    if (!IsNameInsideFolder(name))
      throw Exception(Format("Invalid file name \"%s\": files must stay inside the program folder.", name.c_str()));
  }
}

}  // namespace

void TMainForm::RunUpdate() {
  CheckNames(*FileListView);
  Aborted = false;
  PB_Whole->SetProgress(0);
  btn_Update->SetEnabled(false);
  int finished = 0;
  std::string folder = ProgramFolder();
  int rows = FileListView->Count();
  for (int i = 0; i < rows; ++i) {
    CurrentIndex = i;
    PB_Whole->SetProgress(0);
    std::string name = FileListView->Item(i).Caption();
    std::string target = folder + name;
    if (FileExists(target)) {
      std::string backup = folder + SafeBackupName(name);
      if (FileExists(backup)) RemoveFile(backup);
      if (!RenameFile(target, backup)) {
        btn_Update->SetEnabled(true);
        throw Exception("Unable to create backup file.");
      }
    }
    DownloadFile((*Urls)[i], name);
    ++finished;
  }
  if (FileListView->Count() != finished) return;
  Application->Terminate();
  // Quoted, so that a folder with spaces cannot make the system start a shorter path.
  if (finished > 0) WinExec(("\"" + folder + FileListView->Item(0).Caption() + "\"").c_str(), SW_SHOWNORMAL);
}

void TMainForm::DownloadFile(const std::string& Line, const std::string& FileName) {
  std::string target = ProgramFolder() + FileName;
  TFileStream stream(target, FileExists(target) ? fmOpenWrite : fmCreate);
  bool failed = false;
  try {
    IdHTTP1.HandleRedirects = true;
    IdHTTP1.Get(ValueOfLine(Line), stream);
    stream.Truncate();  // a file opened in place keeps no bytes of its older, longer content
  } catch (...) {
    failed = true;
  }
  stream.Close();
  // Any failed transfer, not only a stop, puts the old file back: a broken file left in place
  // would be backed up over the only good copy by the next run.
  if ((Aborted || failed) && FileExists(target) && ShellDeleteFile(target) == 0) {
    std::string backup = ProgramFolder() + SafeBackupName(FileName);
    if (FileExists(backup)) RenameFile(backup, target);
  }
  if (failed) Abort();
}
