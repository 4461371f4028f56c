// The updater window in this process: its layout and the progress display.
#include "updater/MainUnit.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "rtl/Exceptions.h"
#include "tests/net/ScriptedServer.h"
#include "ui/Application.h"
#include "updater/Files.h"

namespace {

class MainFormTest : public testing::Test {
protected:
  void SetUp() override {
    form = new TMainForm(Application);
    form->FileListView->Add().AddSubItem("");
  }
  void TearDown() override { TComponent::Free(form); }

  std::string Cell() { return form->FileListView->Item(0).SubItem(0); }

  TMainForm* form = nullptr;
};

TEST_F(MainFormTest, LayoutOfTheWindow) {
  EXPECT_EQ(Application->Title, "Updating");
  EXPECT_EQ(form->Caption(), "Updating");
  EXPECT_EQ(form->ClientWidth(), 426);
  EXPECT_EQ(form->ClientHeight(), 246);
  LONG style = GetWindowLongA(form->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
  struct Box {
    TControl* control;
    int left, top, width, height;
  } boxes[] = {
      {form->Panel1, 8, 8, 115, 229},        {form->FileListView, 128, 8, 289, 161},
      {form->PB_Whole, 128, 176, 289, 17},   {form->Bevel1, 128, 200, 289, 2},
      {form->btn_Update, 216, 208, 97, 30},  {form->Btn_Cancel, 320, 208, 97, 30},
  };
  for (const Box& b : boxes) {
    EXPECT_EQ(b.control->Left(), b.left) << b.control->Caption();
    EXPECT_EQ(b.control->Top(), b.top) << b.control->Caption();
    EXPECT_EQ(b.control->Width(), b.width) << b.control->Caption();
    EXPECT_EQ(b.control->Height(), b.height) << b.control->Caption();
  }
  EXPECT_EQ(form->btn_Update->Caption(), "Update");
  EXPECT_EQ(form->Btn_Cancel->Caption(), "Close");
  EXPECT_EQ(form->PB_Whole->MaxValue(), 100);
  EXPECT_EQ(form->PB_Whole->Progress(), 0);
}

TEST_F(MainFormTest, ProgressShowsWholeKilobytesAndTheGaugePosition) {
  form->Aborted = true;
  form->IdHTTP1WorkBegin(form, TWorkMode::wmRead, 2000000);
  EXPECT_FALSE(form->Aborted);
  EXPECT_EQ(form->PB_Whole->MaxValue(), 2000000);
  struct Step {
    int count;
    const char* cell;
    int percent;
  } steps[] = {{1023, "0 KB", 0}, {1024, "1 KB", 0}, {1048576, "1024 KB", 52}, {2000000, "1953 KB", 100}};
  for (const Step& s : steps) {
    form->IdHTTP1Work(form, TWorkMode::wmRead, s.count);
    EXPECT_EQ(Cell(), s.cell);
    EXPECT_EQ(form->PB_Whole->PercentDone(), s.percent) << s.count;
  }
}

TEST_F(MainFormTest, UnknownLengthKeepsTheGaugeAtZeroWhileCounting) {
  form->IdHTTP1WorkBegin(form, TWorkMode::wmRead, 0);
  form->IdHTTP1Work(form, TWorkMode::wmRead, 5000);
  EXPECT_EQ(form->PB_Whole->PercentDone(), 0);
  EXPECT_EQ(Cell(), "4 KB");
  form->CurrentIndex = 7;  // a missing row is swallowed
  EXPECT_NO_THROW(form->IdHTTP1Work(form, TWorkMode::wmRead, 6000));
}

TEST_F(MainFormTest, EndOfABodyAbortsSilentlyOnlyWhenStopped) {
  EXPECT_NO_THROW(form->IdHTTP1WorkEnd(form, TWorkMode::wmRead));
  form->Aborted = true;
  EXPECT_THROW(form->IdHTTP1WorkEnd(form, TWorkMode::wmRead), EAbort);
}

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(MainFormTest, TargetOpenedInPlaceIsCutToTheReceivedLength) {
  std::string name = "MainFormTest-inplace.bin", path = ProgramFolder() + name;
  std::ofstream(path, std::ios::binary) << "an older and much longer content";
  TScriptedServer server({"HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nnew"});
  form->DownloadFile("k=" + server.Url("/f"), name);
  EXPECT_EQ(Contents(path), "new");
  RemoveFile(path);
}

TEST_F(MainFormTest, TargetThatCannotBeCreatedRaisesTheFileError) {
  std::string path = ProgramFolder() + "no such folder\\x.bin";
  try {
    form->DownloadFile("k=http://127.0.0.1:1/x.bin", "no such folder\\x.bin");
    ADD_FAILURE() << "no error";
  } catch (const EAbort&) {
    ADD_FAILURE() << "silent abort instead of the file error";
  } catch (const Exception& e) {
    std::string expected = "Cannot create file \"" + path + "\". ";
    EXPECT_EQ(std::string(e.what()).substr(0, expected.size()), expected);
    EXPECT_GT(std::string(e.what()).size(), expected.size());  // the system's reason follows
  }
}

// The window's gauge, painted into a memory bitmap.
struct PaintedGauge : TGauge {
  using TGauge::TGauge;
  using TGauge::Paint;
};

TEST_F(MainFormTest, GaugeDrawsTheBarColourOnWhite) {
  PaintedGauge gauge(form);
  gauge.SetParent(form);
  gauge.SetBounds(0, 0, 289, 17);
  gauge.ForeColor = form->PB_Whole->ForeColor;
  gauge.BackColor = form->PB_Whole->BackColor;
  gauge.SetProgress(50);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 289, 17);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  {
    TCanvas canvas(dc);
    gauge.Paint(canvas);
  }
  EXPECT_EQ(GetPixel(dc, 5, 3), RGB(0, 128, 64));
  EXPECT_EQ(GetPixel(dc, 280, 3), RGB(255, 255, 255));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

}  // namespace
