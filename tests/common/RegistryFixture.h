#pragma once
#include <gtest/gtest.h>
#include "classlib/desktop/Win32.h"
#include <string>

// A key of its own below HKEY_CURRENT_USER for each test, removed afterwards.
class RegistryFixture : public testing::Test {
protected:
  void SetUp() override {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    key_ = std::string("Software\\KestTests\\") + info->test_suite_name() + "." + info->name() + "." +
           std::to_string(GetCurrentProcessId());
    RegDeleteTreeA(HKEY_CURRENT_USER, key_.c_str());
  }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, key_.c_str()); }

  const std::string& Key() const { return key_; }

  bool KeyExists() const {
    HKEY opened;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
  }

  // Type and raw bytes of a value as the system stores them; type 0 when it is missing.
  std::pair<DWORD, std::string> Stored(const std::string& name) const {
    char data[256];
    DWORD type = 0, size = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, key_.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size) !=
        ERROR_SUCCESS)
      return {0, {}};
    return {type, std::string(data, size)};
  }

  void Store(const std::string& name, DWORD type, const std::string& bytes) const {
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, key_.c_str(), name.c_str(), type, bytes.data(),
                              static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
  }

private:
  std::string key_;
};
