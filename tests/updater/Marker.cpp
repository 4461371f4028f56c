// A small program the updater fetches and starts: it leaves "started.marker" beside itself,
// holding its own path, so a test can see which file was started.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string self(path, n);
  std::string marker = self.substr(0, self.find_last_of('\\') + 1) + "started.marker";
  HANDLE file = CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, self.data(), static_cast<DWORD>(self.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}
