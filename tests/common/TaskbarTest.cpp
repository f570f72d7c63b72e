#include "common/Taskbar.h"
#include "classlib/core/SysUtils.h"
#include <gtest/gtest.h>
#include "classlib/desktop/Win32.h"

namespace {

std::string OwnFolderAndName(std::string& name) {
  char path[MAX_PATH];
  const std::string full(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  const auto slash = full.find_last_of('\\');
  name = full.substr(slash + 1);
  return full.substr(0, slash + 1);
}

} // namespace

// Wine's Shell32 has no pin-verb caption, so pinning a real file reaches its verbs and invokes none.
TEST(PinToTaskbar, WalksTheVerbsOfARealFile) {
  std::string name;
  const std::string folder = OwnFolderAndName(name);
  EXPECT_NO_THROW(PinToTaskbar(folder, name));
}

TEST(PinToTaskbar, RaisesWhenTheShellFindsNoSuchItem) {
  std::string name;
  const std::string folder = OwnFolderAndName(name);
  EXPECT_THROW(PinToTaskbar(folder, "no-such-file.exe"), EOleError);
  EXPECT_THROW(PinToTaskbar("C:\\no\\such\\folder\\", name), EOleError);
}
