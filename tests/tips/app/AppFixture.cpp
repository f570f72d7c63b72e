#include "AppFixture.h"

#include <chrono>
#include <fstream>
#include <sstream>

#include "classlib/desktop/Application.h"
#include "tips/app/TipsRegistry.h"
#include "common/Paths.h"

bool PumpUntil(const std::function<bool()>& condition, int timeoutMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    Application->ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

void PumpFor(int ms) {
  PumpUntil([] { return false; }, ms);
}

std::optional<std::string> RegistryString(const std::string& key, const std::string& name) {
  char data[4096];
  DWORD size = sizeof data;
  if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::string(data, size > 0 ? size - 1 : 0);
}

void SetRegistryString(const std::string& key, const std::string& name, const std::string& value) {
  RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), REG_SZ, value.c_str(), DWORD(value.size() + 1));
}

void DeleteRegistryValue(const std::string& key, const std::string& name) {
  RegDeleteKeyValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str());
}

std::vector<std::string> LogLines(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

void AppTest::SetUp() {
  ASSERT_NE(GetSystemMetrics(SM_CXSCREEN), 0) << "no display: the tests need Xvfb";
  for (const auto& [key, name] : {std::pair{kUserRecordKey, kUserRecordValue}, std::pair{kRunKey, kRunValue}}) {
    saved_.push_back({key, name, RegistryString(key, name)});
    DeleteRegistryValue(key, name);
  }
  Application->SetMessageBoxFunction([this](HWND, const std::wstring& text, const std::wstring& caption, UINT) {
    boxes.push_back({text, caption});
    return IDOK;
  });
}

void AppTest::TearDown() {
  Application->ProcessMessages();
  Application->SetMessageBoxFunction(nullptr);
  for (const TSavedValue& value : saved_) {
    if (value.Value) SetRegistryString(value.Key, value.Name, *value.Value);
    else DeleteRegistryValue(value.Key, value.Name);
  }
  if (!ownStartsLog_.empty()) {
    SetEnvironmentVariableA("KEST_TIPS_STARTS_LOG", nullptr);
    DeleteFileA(ownStartsLog_.c_str());
  }
  DeleteFileA((ProgramFolder() + "kest.exe").c_str());
  DeleteFileA((ProgramFolder() + "kest.exe.log").c_str());
}

void AppTest::ExpectNotificationArea() {
  ASSERT_NE(FindWindowA("Shell_TrayWnd", nullptr), nullptr)
      << "Wine's notification area is not running (explorer.exe of the test prefix has gone)";
}

std::string AppTest::ProgramFolder() { return AppFolder(); }

void AppTest::InstallKest() {
  ASSERT_TRUE(CopyFileA(KEST_STANDIN_KEST_EXE, (ProgramFolder() + "kest.exe").c_str(), FALSE))
      << "cannot copy " << KEST_STANDIN_KEST_EXE;
}

std::vector<std::string> AppTest::KestLog() const { return LogLines(ProgramFolder() + "kest.exe.log"); }

bool AppTest::WaitForKestStarts(size_t count) const {
  return PumpUntil([&] { return KestLog().size() >= count; });
}

void AppTest::RecordOwnStarts() {
  ownStartsLog_ = ProgramFolder() + "own-starts.log";
  DeleteFileA(ownStartsLog_.c_str());
  SetEnvironmentVariableA("KEST_TIPS_STARTS_LOG", ownStartsLog_.c_str());
}

std::vector<std::string> AppTest::OwnStarts() const { return LogLines(ownStartsLog_); }

bool AppTest::WaitForOwnStarts(size_t count) const {
  return PumpUntil([&] { return OwnStarts().size() >= count; });
}
