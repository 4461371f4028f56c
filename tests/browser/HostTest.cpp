// The host program as a user runs it: it shows a browser window and ends once that is closed.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

struct TFind {
  DWORD process;
  HWND window;
};

BOOL CALLBACK FindBrowserOf(HWND window, LPARAM data) {
  auto* find = reinterpret_cast<TFind*>(data);
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == find->process && std::string(name) == "TfrmTavisk" && IsWindowVisible(window)) {
    find->window = window;
    return FALSE;
  }
  return TRUE;
}

class THost {
public:
  explicit THost(const std::string& argument) {
    std::string command = "TaviskHost.exe " + argument;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    FStarted = CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &FInfo);
  }
  ~THost() {
    if (!FStarted) return;
    if (WaitForSingleObject(FInfo.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(FInfo.hProcess, 1);
    CloseHandle(FInfo.hThread);
    CloseHandle(FInfo.hProcess);
  }
  bool Started() const { return FStarted; }
  HWND WaitForWindow(DWORD timeoutMs) const {
    TFind find{FInfo.dwProcessId, nullptr};
    for (DWORD start = GetTickCount(); !find.window && GetTickCount() - start < timeoutMs; Sleep(50))
      EnumWindows(FindBrowserOf, reinterpret_cast<LPARAM>(&find));
    return find.window;
  }
  // The exit code, or -1 when it is still running after the time given.
  long WaitForExit(DWORD timeoutMs) const {
    if (WaitForSingleObject(FInfo.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(FInfo.hProcess, &code);
    return static_cast<long>(code);
  }

private:
  PROCESS_INFORMATION FInfo{};
  bool FStarted = false;
};

TEST(TaviskHost, EndsWhenItsBrowserWindowIsClosed) {
  THost host("x86");
  ASSERT_TRUE(host.Started());
  HWND window = host.WaitForWindow(15000);
  ASSERT_NE(nullptr, window);
  EXPECT_EQ(-1, host.WaitForExit(300));
  PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(0, host.WaitForExit(10000));
}

TEST(TaviskHost, EndsAtOnceWhenNoWindowOpens) {
  THost host("X32");
  ASSERT_TRUE(host.Started());
  EXPECT_EQ(0, host.WaitForExit(15000));
}

}  // namespace
