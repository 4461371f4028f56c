// The library's entry points for the host, exported by Tavisk.def. Nothing leaves them: every
// error is swallowed.
#include <cctype>
#include <string>

#include "browser/voRegistryBrowser.h"
#include "registry/Reg32vs64.h"

extern "C" void __stdcall ShowRegForm(const char* viewName) {
  if (!viewName) return;
  try {
    std::string view = viewName;
    for (char& c : view)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (view != "X64" && view != "X86") return;
    auto* form = new TfrmTavisk(nullptr);
    BrowserForm = form;
    Use64BitView = view == "X64";
    form->Show();
  } catch (...) {
  }
}

// Navigates the newest window, shown or hidden, without bringing it forward.
extern "C" void __stdcall GoToBookmark(const char* keyPath) {
  if (!keyPath || !BrowserForm) return;
  try {
    BrowserForm->GoToPath(keyPath);
  } catch (...) {
  }
}
