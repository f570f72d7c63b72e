#pragma once
#include <gtest/gtest.h>
#include "classlib/desktop/Win32.h"
#include <string>

bool PathExists(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
// The file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& path);

// Points TMP at a fresh empty folder for one test and restarts the runtime's random sequence,
// as a fresh process has it; both are put back afterwards.
class TempFolderFixture : public testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;
  // The fresh folder, ending in "\".
  const std::string& Folder() const { return folder_; }

private:
  bool RemoveFolder() const;

  std::string folder_;
  std::string savedTmp_;
  uint32_t savedSeed_ = 0;
};
