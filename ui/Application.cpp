#include "ui/Application.h"

#include <commctrl.h>

#include "rtl/Exceptions.h"
#include "ui/Form.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

std::string ProgramTitle() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name = path;
  name = name.substr(name.find_last_of("\\/") + 1);
  return name.substr(0, name.rfind('.'));
}

// The one application object of the module, made before any form needs it.
TApplication TheApplication;

}  // namespace

TApplication* Application = &TheApplication;

std::string ErrorReportText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

TApplication::TApplication() : TComponent(nullptr), Title(ProgramTitle()) {}

HINSTANCE TApplication::Instance() const { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}

void TApplication::Run() {
  if (FMainForm) {
    try {
      FMainForm->Show();
    } catch (...) {
      HandleException();
    }
  }
  while (!FTerminated) {
    MSG msg;
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void TApplication::Terminate() {
  if (!FTerminated) PostQuitMessage(0);
  FTerminated = true;
}

bool TApplication::ProcessMessage() {
  MSG msg;
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    FTerminated = true;
    return false;
  }
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
  return true;
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
  HWND owner = GetActiveWindow();
  return ::MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

void TApplication::HandleException() {
  try {
    throw;
  } catch (const EAbort&) {
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowException(Exception("Unknown error"));
  }
}

void TApplication::ShowException(const std::exception& error) {
  MessageBox(ErrorReportText(error.what()), Title, MB_ICONERROR | MB_OK);
}
