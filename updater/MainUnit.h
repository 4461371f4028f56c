#pragma once
// The updater window: the file list, the gauge of the current file, "Update" and "Close".
#include <cstdint>
#include <string>

#include "net/HttpClient.h"
#include "rtl/StringList.h"
#include "ui/Buttons.h"
#include "ui/ExtCtrls.h"
#include "ui/Form.h"
#include "ui/Gauges.h"
#include "ui/ListView.h"

// The close confirmation, code page 936: the last character is the full-width question mark.
extern const char* const kAbortQuestion;

class TMainForm : public TForm {
public:
  explicit TMainForm(TComponent* owner);

  TPanel* Panel1 = nullptr;
  TImage* Image1 = nullptr;
  TBitBtn* btn_Update = nullptr;
  TBitBtn* Btn_Cancel = nullptr;
  TBevel* Bevel1 = nullptr;
  TListView* FileListView = nullptr;
  THttpClient IdHTTP1;
  TGauge* PB_Whole = nullptr;
  int CurrentIndex = 0;
  TStringList* Urls = nullptr;
  bool Aborted = false;

  void FormCreate(TObject* Sender);
  void FormDestroy(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormActivate(TObject* Sender);
  void btn_UpdateClick(TObject* Sender);
  void Btn_CancelClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void IdHTTP1WorkBegin(TObject* Sender, TWorkMode AWorkMode, int32_t AWorkCountMax);
  void IdHTTP1Work(TObject* Sender, TWorkMode AWorkMode, int32_t AWorkCount);
  void IdHTTP1WorkEnd(TObject* Sender, TWorkMode AWorkMode);

  void LoadFileList();
  void RunUpdate();
  void DownloadFile(const std::string& Line, const std::string& FileName);

private:
  // The window description: controls, their places and settings, and the handlers bound.
  void CreateComponents();
};

extern TMainForm* MainForm;
