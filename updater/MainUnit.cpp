// The window's life, its close confirmation and the progress display.
#include "updater/MainUnit.h"

#include "rtl/Exceptions.h"
#include "ui/Application.h"

const char* const kAbortQuestion = "File not download Completed, Aborted\xA3\xBF";

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(TComponent* owner) : TForm(owner, "TMainForm") {
  CreateComponents();
  DoCreate();
}

void TMainForm::FormCreate(TObject*) {
  CurrentIndex = 0;
  Urls = new TStringList(false);
  Application->Title = "Updating";
}

void TMainForm::FormDestroy(TObject*) {
  delete Urls;
  Urls = nullptr;
}

void TMainForm::FormShow(TObject*) { LoadFileList(); }

void TMainForm::FormActivate(TObject*) { RunUpdate(); }

void TMainForm::btn_UpdateClick(TObject*) { RunUpdate(); }

void TMainForm::Btn_CancelClick(TObject*) { Close(); }

void TMainForm::FormClose(TObject*, TCloseAction& Action) {
  if (btn_Update->Enabled()) {
    Action = caFree;
    return;
  }
  if (Application->MessageBox(kAbortQuestion, "Updating", MB_YESNO | MB_ICONQUESTION) == IDYES) {
    Aborted = true;
    Action = caFree;
  } else {
    Action = caNone;
  }
}

void TMainForm::IdHTTP1WorkBegin(TObject*, TWorkMode, int32_t AWorkCountMax) {
  Aborted = false;
  try {
    PB_Whole->SetMaxValue(AWorkCountMax > 0 ? AWorkCountMax : 0);
  } catch (...) {
  }
}

void TMainForm::IdHTTP1Work(TObject*, TWorkMode, int32_t AWorkCount) {
  try {
    Application->ProcessMessages();
    if (Aborted) IdHTTP1.Disconnect();
    PB_Whole->SetProgress(AWorkCount);
    FileListView->Item(CurrentIndex).SetSubItem(0, Format("%d KB", AWorkCount / 1024));
  } catch (...) {
  }
}

void TMainForm::IdHTTP1WorkEnd(TObject*, TWorkMode) {
  if (Aborted) Abort();
}
