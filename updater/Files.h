#pragma once
// The file routines of the updater, over the ANSI file functions, and the file stream it
// writes downloads into.
#include <windows.h>

#include <string>

#include "net/HttpClient.h"

// The folder of the running program, ending in its separator.
std::string ProgramFolder();
bool FileExists(const std::string& path);  // a file, not a folder
bool RemoveFile(const std::string& path);  // DeleteFile is a macro of the system headers
// Moves the file; fails when newPath exists.
bool RenameFile(const std::string& oldPath, const std::string& newPath);
// Removes the file for good through the shell, without questions or error dialogs; 0 on success.
int ShellDeleteFile(const std::string& path);

enum : unsigned { fmOpenWrite = 1, fmCreate = 0xFFFF };

// A file opened without sharing; raises "Cannot create file" / "Cannot open file" errors.
class TFileStream : public TByteSink {
public:
  TFileStream(const std::string& path, unsigned mode);
  ~TFileStream() override { Close(); }
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  void Write(const char* data, size_t size) override;
  // Cuts the file at the current position.
  void Truncate();
  void Close();

private:
  HANDLE FHandle = INVALID_HANDLE_VALUE;
  std::string FPath;
};
