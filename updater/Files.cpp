#include "updater/Files.h"

#include <shellapi.h>

#include "rtl/Exceptions.h"

namespace {

// The system's text for an error code, without its line end.
std::string SysErrorMessage(DWORD code) {
  char buffer[512] = {};
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buffer,
                           sizeof buffer, nullptr);
  std::string text(buffer, n);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text;
}

}  // namespace

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string full(path, n);
  return full.substr(0, full.find_last_of("\\:") + 1);
}

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; }

bool RenameFile(const std::string& oldPath, const std::string& newPath) {
  return MoveFileA(oldPath.c_str(), newPath.c_str()) != FALSE;
}

int ShellDeleteFile(const std::string& path) {
  std::string from = path + '\0';  // with the text's own NUL: a list closed by a double NUL
  SHFILEOPSTRUCTA operation{};
  operation.hwnd = nullptr;
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.pTo = "";
  operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI;
  return SHFileOperationA(&operation);
}

TFileStream::TFileStream(const std::string& path, unsigned mode) : FPath(path) {
  bool create = mode == fmCreate;
  FHandle = CreateFileA(path.c_str(), create ? GENERIC_READ | GENERIC_WRITE : GENERIC_WRITE, 0, nullptr,
                        create ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (FHandle == INVALID_HANDLE_VALUE) {
    std::string reason = SysErrorMessage(GetLastError());
    throw Exception(Format(create ? "Cannot create file \"%s\". %s" : "Cannot open file \"%s\". %s", path.c_str(),
                           reason.c_str()));
  }
}

void TFileStream::Write(const char* data, size_t size) {
  while (size > 0) {
    DWORD chunk = static_cast<DWORD>(size > 0x40000000 ? 0x40000000 : size), written = 0;
    if (!WriteFile(FHandle, data, chunk, &written, nullptr) || written == 0)
      throw Exception("Stream write error: " + SysErrorMessage(GetLastError()));
    data += written;
    size -= written;
  }
}

void TFileStream::Truncate() {
  if (!SetEndOfFile(FHandle)) throw Exception("Stream write error: " + SysErrorMessage(GetLastError()));
}

void TFileStream::Close() {
  if (FHandle != INVALID_HANDLE_VALUE) CloseHandle(FHandle);
  FHandle = INVALID_HANDLE_VALUE;
}
