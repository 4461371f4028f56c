#pragma once
// The current key path of a browser window, split into root name, root handle and sub path.
#include <windows.h>

#include <string>

class TvoRegPathManager {
public:
  // Unchanged paths are not split again, and the root is looked up only when its name changes.
  void SetPath(const std::string& path);

  HKEY RootKey = nullptr;
  std::string RootName;
  std::string FullPath;
  std::string SubPath;
};
