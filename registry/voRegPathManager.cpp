#include "registry/voRegPathManager.h"

#include "registry/voRegistry.h"

void TvoRegPathManager::SetPath(const std::string& path) {
  if (path == FullPath) return;
  FullPath = path;
  size_t slash = path.find('\\');
  std::string rootPart = path.substr(0, slash);
  SubPath = slash == std::string::npos ? std::string() : path.substr(slash + 1);
  if (rootPart != RootName) {
    RootName = rootPart;
    RootKey = RootKeyFromName(RootName);
  }
}
