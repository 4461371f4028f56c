// The real Nebrok.exe in a scratch program folder, against a scripted server on 127.0.0.1.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/net/ScriptedServer.h"

namespace {

const char kQuestion[] = "File not download Completed, Aborted\xA3\xBF";

// Build paths are Unix paths; Wine shows the root as drive Z:.
std::string WindowsPath(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  return "Z:" + path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Ok(const std::string& body) {
  return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

// A top-level window of the process with that class, or null.
HWND FindProcessWindow(DWORD pid, const char* className) {
  struct Search {
    DWORD pid;
    const char* className;
    HWND found;
  } search{pid, className, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (owner == s->pid && std::string(name) == s->className && IsWindowVisible(window)) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

class NebrokRun : public testing::Test {
protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    parent_ = std::string(temp) + "nebrok-" + std::to_string(GetCurrentProcessId()) + "-" +
              testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
    CreateDirectoryA(parent_.c_str(), nullptr);
    UseFolder("program");
  }

  void TearDown() override {
    if (process_.hProcess) {
      if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
    std::string from = parent_.substr(0, parent_.size() - 1) + '\0';
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&operation);
  }

  void UseFolder(const std::string& name) {
    folder_ = parent_ + name + "\\";
    CreateDirectoryA(folder_.c_str(), nullptr);
    CopyFileA(WindowsPath(NEBROK_EXE).c_str(), (folder_ + "Nebrok.exe").c_str(), FALSE);
  }

  static std::string MarkerProgram() { return ReadFile(WindowsPath(MARKER_EXE)); }

  void Manifest(const std::vector<std::string>& urls) {
    std::string text = "[Version]\r\nVer=1.0\r\n[HTTP]\r\n";
    for (size_t i = 0; i < urls.size(); ++i) text += "File" + std::to_string(i) + "=" + urls[i] + "\r\n";
    WriteFile(folder_ + "Update.ini", text);
  }

  void Start() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string command = "\"" + folder_ + "Nebrok.exe\"";
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, parent_.c_str(), &startup,
                               &process_));
  }

  bool Ended(DWORD milliseconds = 20000) { return WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0; }

  HWND WaitWindow(const char* className, int milliseconds = 15000) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
      if (HWND window = FindProcessWindow(process_.dwProcessId, className)) return window;
      Sleep(50);
    }
    return nullptr;
  }

  HWND WaitDialog() { return WaitWindow("#32770"); }

  static std::string DialogText(HWND dialog) {
    char text[512] = {};
    GetDlgItemTextA(dialog, 0xFFFF, text, sizeof text);
    return text;
  }

  static void Answer(HWND dialog, int button) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }

  void CloseMainWindow() {
    HWND main = WaitWindow("TMainForm");
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_CLOSE, 0, 0);
  }

  bool WaitMarker(const std::string& folder, int milliseconds = 10000) {
    for (int waited = 0; waited < milliseconds; waited += 50, Sleep(50))
      if (Exists(folder + "started.marker")) return true;
    return false;
  }

  std::string Path(const std::string& name) const { return folder_ + name; }

  std::string parent_, folder_;
  PROCESS_INFORMATION process_{};
};

TEST_F(NebrokRun, CompleteRunBacksUpFetchesAndStartsTheFirstFile) {
  std::string program = MarkerProgram();
  TScriptedServer server({Ok(program), "HTTP/1.1 302 Found\r\nLocation: /real/data.txt\r\nContent-Length: 0\r\n\r\n",
                          "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4\r\nnew \r\n4\r\ndata\r\n0\r\n\r\n"});
  WriteFile(Path("data.txt"), "old data, longer than the new one");
  Manifest({server.Url("/bin/app.exe"), server.Url("/data.txt")});
  Start();
  ASSERT_TRUE(Ended());
  EXPECT_EQ(ReadFile(Path("app.exe")), program);
  EXPECT_EQ(ReadFile(Path("data.txt")), "new data");
  EXPECT_EQ(ReadFile(Path("data.BAK")), "old data, longer than the new one");
  EXPECT_TRUE(WaitMarker(folder_));
  EXPECT_EQ(ReadFile(Path("started.marker")), Path("app.exe"));
}

TEST_F(NebrokRun, EmptyManifestEndsAtOnceAndStartsNothing) {
  WriteFile(Path("Update.ini"), "[Version]\r\nVer=2\r\n");
  Start();
  ASSERT_TRUE(Ended());
  Sleep(500);
  EXPECT_FALSE(Exists(Path("started.marker")));
}

TEST_F(NebrokRun, FailedBackupIsReportedAndLeavesTheFileAlone) {
  TScriptedServer server({Ok("first"), Ok("never")});
  WriteFile(Path("data.txt"), "old");
  CreateDirectoryA(Path("data.BAK").c_str(), nullptr);  // a folder where the backup should go
  Manifest({server.Url("/one.txt"), server.Url("/data.txt")});
  Start();
  HWND dialog = WaitDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(DialogText(dialog), "Unable to create backup file.");
  Answer(dialog, IDOK);
  EXPECT_EQ(ReadFile(Path("one.txt")), "first");
  EXPECT_EQ(ReadFile(Path("data.txt")), "old");
  CloseMainWindow();  // "Update" is enabled again: no question
  EXPECT_TRUE(Ended());
  EXPECT_EQ(server.Requests().size(), 1u);
}

TEST_F(NebrokRun, FailedTransferIsSilentAndPutsTheOldFileBack) {
  TScriptedServer server({"HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found"});
  WriteFile(Path("data.txt"), "old");
  Manifest({server.Url("/data.txt")});
  Start();
  for (int waited = 0; waited < 10000 && server.Requests().empty(); waited += 50) Sleep(50);
  Sleep(1000);
  EXPECT_EQ(FindProcessWindow(process_.dwProcessId, "#32770"), nullptr);
  EXPECT_EQ(ReadFile(Path("data.txt")), "old");
  EXPECT_FALSE(Exists(Path("data.BAK")));
  CloseMainWindow();  // the run stopped with "Update" disabled: the question comes
  HWND dialog = WaitDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(DialogText(dialog), kQuestion);
  Answer(dialog, IDYES);
  EXPECT_TRUE(Ended());
}

TEST_F(NebrokRun, CloseDuringTransfer) {
  std::string program = MarkerProgram();
  std::string body(600 * 1024, 'n');
  for (int answer : {IDYES, IDNO}) {
    SCOPED_TRACE(answer == IDYES ? "Yes" : "No");
    UseFolder(answer == IDYES ? "yes" : "no");
    std::string paused = Ok(body);
    paused.insert(paused.size() - body.size() + 200 * 1024, "{pause}");
    TScriptedServer server({Ok(program), paused});
    WriteFile(Path("big.bin"), "old big");
    Manifest({server.Url("/app.exe"), server.Url("/big.bin")});
    Start();
    ASSERT_TRUE(server.WaitPaused(15000));
    Sleep(500);  // the first block has arrived; the close is handled at the next one
    CloseMainWindow();
    server.Release();
    HWND dialog = WaitDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(DialogText(dialog), kQuestion);
    Answer(dialog, answer);
    ASSERT_TRUE(Ended());
    if (answer == IDYES) {
      EXPECT_EQ(ReadFile(Path("big.bin")), "old big");
      EXPECT_FALSE(Exists(Path("big.BAK")));
      Sleep(1000);
      EXPECT_FALSE(Exists(Path("started.marker")));
    } else {
      EXPECT_EQ(ReadFile(Path("big.bin")), body);
      EXPECT_EQ(ReadFile(Path("big.BAK")), "old big");
      EXPECT_TRUE(WaitMarker(folder_));
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = PROCESS_INFORMATION{};
  }
}

TEST_F(NebrokRun, FinalStartIsQuotedInAFolderWithSpaces) {
  UseFolder("dir with space");
  std::string program = MarkerProgram();
  WriteFile(parent_ + "dir.exe", program);  // what an unquoted command line would start
  TScriptedServer server({Ok(program)});
  Manifest({server.Url("/app.exe")});
  Start();
  ASSERT_TRUE(Ended());
  EXPECT_TRUE(WaitMarker(folder_));
  EXPECT_FALSE(Exists(parent_ + "started.marker"));
}

TEST_F(NebrokRun, NamesLeavingTheFolderAreRefusedBeforeAnythingIsTouched) {
  TScriptedServer server({Ok("inside")});
  CreateDirectoryA(Path("sub").c_str(), nullptr);
  Manifest({server.Url("/sub\\x.txt"), server.Url("/..\\evil.txt")});
  Start();
  HWND dialog = WaitDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_NE(DialogText(dialog).find("..\\evil.txt"), std::string::npos) << DialogText(dialog);
  Answer(dialog, IDOK);
  CloseMainWindow();
  EXPECT_TRUE(Ended());
  EXPECT_TRUE(server.Requests().empty());
  EXPECT_FALSE(Exists(parent_ + "evil.txt"));
  EXPECT_FALSE(Exists(Path("sub\\x.txt")));

  Manifest({server.Url("/sub\\x.txt")});  // a subfolder inside the program folder is fine
  Start();
  EXPECT_TRUE(Ended());
  EXPECT_EQ(ReadFile(Path("sub\\x.txt")), "inside");
}

TEST_F(NebrokRun, RowEndingInBakKeepsItsOldFile) {
  TScriptedServer server({Ok("new")});
  WriteFile(Path("old.bak"), "keep me");
  Manifest({server.Url("/old.bak")});
  Start();
  ASSERT_TRUE(Ended());
  EXPECT_EQ(ReadFile(Path("old.bak")), "new");
  EXPECT_EQ(ReadFile(Path("old.bak.BAK")), "keep me");
}

}  // namespace
