#include "app/qt_test_environment.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace dunra {
namespace {

std::string& IsolatedRoot() {
  static std::string root;
  return root;
}

void RemoveIsolatedRoot() {
  std::error_code ignored;
  std::filesystem::remove_all(IsolatedRoot(), ignored);
}

}  // namespace

void IsolateTestEnvironment() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "dunra-qt-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) std::abort();  // mode 0700
  IsolatedRoot() = pattern;
  std::atexit(RemoveIsolatedRoot);
  for (const char* name : {"home", "runtime", "config", "data", "cache"}) {
    mkdir((pattern + "/" + name).c_str(), 0700);
  }
  setenv("HOME", (pattern + "/home").c_str(), 1);
  setenv("XDG_RUNTIME_DIR", (pattern + "/runtime").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (pattern + "/config").c_str(), 1);
  setenv("XDG_DATA_HOME", (pattern + "/data").c_str(), 1);
  setenv("XDG_CACHE_HOME", (pattern + "/cache").c_str(), 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

}  // namespace dunra
