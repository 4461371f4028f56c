// Times the browser window against bare registry loops doing the same reads: expanding a key
// of 20,000 subkeys, and filling the value list of a key of 5,000 values. Run it under Wine
// in a prefix of its own; the keys stay below HKCU\Software\TreeBench for later runs.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "browser/voRegistryBrowser.h"

extern "C" void __stdcall ShowRegForm(const char* viewName);

namespace {

const char* const Base = "Software\\TreeBench";
const int SubKeyTotal = 20000;
const int ValueTotal = 5000;

HKEY CreateKey(const std::string& path) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  return key;
}

DWORD Count(HKEY key, bool values) {
  DWORD subKeys = 0, valueCount = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &valueCount, nullptr, nullptr,
                   nullptr, nullptr);
  return values ? valueCount : subKeys;
}

void Prepare() {
  HKEY keys = CreateKey(std::string(Base) + "\\Keys");
  if (Count(keys, false) != SubKeyTotal)
    for (int i = 0; i < SubKeyTotal; ++i) RegCloseKey(CreateKey(std::string(Base) + "\\Keys\\Key" + std::to_string(i)));
  RegCloseKey(keys);
  HKEY values = CreateKey(std::string(Base) + "\\Values");
  if (Count(values, true) != ValueTotal)
    for (int i = 0; i < ValueTotal; ++i) {
      std::string data = "value number " + std::to_string(i);
      RegSetValueExA(values, ("Value" + std::to_string(i)).c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(data.c_str()), static_cast<DWORD>(data.size() + 1));
    }
  RegCloseKey(values);
}

// The best of three runs, in milliseconds.
double Best(const std::function<void()>& prepare, const std::function<void()>& run) {
  double best = 1e30;
  for (int i = 0; i < 3; ++i) {
    prepare();
    auto start = std::chrono::steady_clock::now();
    run();
    best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

std::vector<std::string> Names(HKEY key, bool values) {
  std::vector<std::string> names;
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD cch = sizeof name;
    LONG result = values ? RegEnumValueA(key, i, name, &cch, nullptr, nullptr, nullptr, nullptr)
                         : RegEnumKeyExA(key, i, name, &cch, nullptr, nullptr, nullptr, nullptr);
    if (result != ERROR_SUCCESS) return names;
    names.emplace_back(name, cch);
  }
}

// Enumerate the subkeys, then open, count and close each one.
void BareExpand() {
  HKEY parent;
  RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(Base) + "\\Keys").c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &parent);
  for (const std::string& name : Names(parent, false)) {
    HKEY child;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &child) != ERROR_SUCCESS) continue;
    Count(child, false);
    RegCloseKey(child);
  }
  RegCloseKey(parent);
}

// Enumerate the values, then query each once into one buffer.
void BareFill() {
  HKEY key;
  RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(Base) + "\\Values").c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key);
  BYTE buffer[1024];
  for (const std::string& name : Names(key, true)) {
    DWORD type, size = sizeof buffer;
    RegQueryValueExA(key, name.c_str(), nullptr, &type, buffer, &size);
  }
  RegCloseKey(key);
}

void Report(const char* what, double window, double bare) {
  std::printf("%-34s window %9.1f ms   bare loop %9.1f ms   ratio %.2f\n", what, window, bare, window / bare);
}

}  // namespace

int main() {
  Prepare();
  ShowRegForm("X64");
  TfrmTavisk* form = BrowserForm;
  if (!form || !form->GoToPath(std::string("HKEY_CURRENT_USER\\") + Base)) {
    std::fprintf(stderr, "TreeBench: the window did not reach the benchmark keys\n");
    return 1;
  }
  TTreeNode* base = form->tvRegistry->Selected();
  base->Expand(false);
  TTreeNode* keys = base->GetFirstChild();
  TTreeNode* values = keys->GetNextSibling();

  double expand = Best(
      [&] {
        keys->Collapse();
        keys->DeleteChildren();
        keys->SetHasChildren(true);
      },
      [&] { keys->Expand(false); });
  if (keys->Count() != SubKeyTotal) std::fprintf(stderr, "TreeBench: %d nodes, not %d\n", keys->Count(), SubKeyTotal);
  Report("expand 20,000 subkeys", expand, Best([] {}, BareExpand));

  double fill = Best([&] { form->tvRegistry->SetSelected(base); }, [&] { form->tvRegistry->SetSelected(values); });
  if (form->lvRegistry->Count() != ValueTotal + 2)
    std::fprintf(stderr, "TreeBench: %d rows, not %d\n", form->lvRegistry->Count(), ValueTotal + 2);
  Report("fill the list with 5,000 values", fill, Best([] {}, BareFill));
  return 0;
}
