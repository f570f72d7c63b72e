// The launcher's own resources: its main icon group and its version block.
#include <gtest/gtest.h>
#include "classlib/desktop/Win32.h"
#include <algorithm>
#include <vector>

namespace {

#pragma pack(push, 2)
struct GroupIconHeader {
  WORD Reserved, Type, Count;
};
struct GroupIconEntry {
  BYTE Width, Height, Colors, Reserved;
  WORD Planes, BitCount;
  DWORD Size;
  WORD Id;
};
#pragma pack(pop)

class LauncherResources : public testing::Test {
protected:
  void SetUp() override {
    module_ = LoadLibraryExA(KEST_LAUNCHER_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module_, nullptr) << KEST_LAUNCHER_EXE;
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }
  HMODULE module_ = nullptr;
};

} // namespace

TEST_F(LauncherResources, MainIconGroupHoldsSevenImagesUpTo256) {
  HRSRC group = FindResourceA(module_, "MAINICON", MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
  ASSERT_NE(group, nullptr);
  const auto* header = static_cast<const GroupIconHeader*>(LockResource(LoadResource(module_, group)));
  ASSERT_EQ(header->Count, 7);
  const auto* entries = reinterpret_cast<const GroupIconEntry*>(header + 1);
  std::vector<int> widths;
  for (int i = 0; i < header->Count; ++i) {
    widths.push_back(entries[i].Width == 0 ? 256 : entries[i].Width); // 0 stands for 256
    EXPECT_NE(FindResourceA(module_, MAKEINTRESOURCEA(entries[i].Id), MAKEINTRESOURCEA(3) /* RT_ICON */), nullptr);
  }
  std::sort(widths.begin(), widths.end());
  EXPECT_EQ(widths, (std::vector<int>{16, 24, 32, 48, 64, 128, 256}));
}

TEST(LauncherVersion, IsFileVersion1026) {
  DWORD unused = 0;
  std::vector<char> block(GetFileVersionInfoSizeA(KEST_LAUNCHER_EXE, &unused));
  ASSERT_FALSE(block.empty());
  ASSERT_TRUE(GetFileVersionInfoA(KEST_LAUNCHER_EXE, 0, static_cast<DWORD>(block.size()), block.data()));
  VS_FIXEDFILEINFO* info = nullptr;
  UINT size = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &size));
  EXPECT_EQ(info->dwFileVersionMS, MAKELONG(0, 1));
  EXPECT_EQ(info->dwFileVersionLS, MAKELONG(6, 2));
}
