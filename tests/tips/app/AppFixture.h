#pragma once
// Shared helpers of the tips window tests: real windows under Xvfb with the message loop pumped by
// hand, message boxes recorded instead of shown, the product's registry values put back after
// each test, the stand-in kest.exe beside this program, and the starts of this program recorded.
#include <gtest/gtest.h>
#include "classlib/desktop/Win32.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "TestTexts.h"
#include "classlib/core/Object.h"

struct TFreeObject {
  void operator()(TObject* object) const { object->Free(); }
};
template <class T>
using Owned = std::unique_ptr<T, TFreeObject>;

// Handles messages until the condition holds or the time is up; answers the condition.
bool PumpUntil(const std::function<bool()>& condition, int timeoutMs = 10000);
// Handles messages for a while, for checks that something does not happen.
void PumpFor(int ms);

// A string value below HKEY_CURRENT_USER: read, written and deleted straight through the system.
std::optional<std::string> RegistryString(const std::string& key, const std::string& name);
void SetRegistryString(const std::string& key, const std::string& name, const std::string& value);
void DeleteRegistryValue(const std::string& key, const std::string& name);

// The lines a recording stand-in appended to its log, without line ends.
std::vector<std::string> LogLines(const std::string& path);

class AppTest : public testing::Test {
protected:
  struct TShownBox {
    std::wstring Text, Caption;
  };
  std::vector<TShownBox> boxes;

  void SetUp() override;
  void TearDown() override;

  // Fails the test with a clear message when Wine's notification area (explorer.exe) is not up.
  static void ExpectNotificationArea();
  // The folder of this program (a copy of its own for each run), with its final "\".
  static std::string ProgramFolder();
  // Puts the stand-in kest.exe beside this program; it records its starts in KestLog().
  void InstallKest();
  std::vector<std::string> KestLog() const;
  // Waits until kest.exe has recorded `count` starts.
  bool WaitForKestStarts(size_t count) const;
  // Starts of this program by the windows under test, recorded from now on.
  void RecordOwnStarts();
  std::vector<std::string> OwnStarts() const;
  bool WaitForOwnStarts(size_t count) const;

private:
  struct TSavedValue {
    std::string Key, Name;
    std::optional<std::string> Value;
  };
  std::vector<TSavedValue> saved_;
  std::string ownStartsLog_;
};
