#pragma once
// Shared helpers of the desktop tests: real windows under Xvfb, the message loop pumped by hand,
// and message boxes recorded instead of shown.
#include <gtest/gtest.h>
#include "classlib/desktop/Win32.h"

#include <chrono>
#include <functional>
#include <ostream>
#include <memory>
#include <string>
#include <vector>

#include "classlib/desktop/Application.h"

// RECT is the system's type in the global namespace: its comparison lives there for gtest to find.
inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b); }
inline std::ostream& operator<<(std::ostream& out, const RECT& r) {
  return out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

struct TFreeObject {
  void operator()(TObject* object) const { object->Free(); }
};
template <class T>
using Owned = std::unique_ptr<T, TFreeObject>;

// Handles messages until the condition holds or the time is up; answers the condition.
inline bool PumpUntil(const std::function<bool()>& condition, int timeoutMs = 5000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    Application->ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

// Handles messages for a while, for checks that something does not happen.
inline void PumpFor(int ms) {
  PumpUntil([] { return false; }, ms);
}

class DesktopTest : public ::testing::Test {
protected:
  struct TShownBox {
    std::wstring Text, Caption;
    UINT Flags;
  };
  std::vector<TShownBox> boxes;
  std::string savedTitle;

  void SetUp() override {
    // A quit message left by an earlier test in this process is taken here; a Run without a main
    // form returns at once and leaves the loop unterminated for this test.
    Application->ProcessMessages();
    Application->Run();
    savedTitle = Application->Title();
    ASSERT_NE(GetSystemMetrics(SM_CXSCREEN), 0) << "no display: the tests need Xvfb";
    Application->SetMessageBoxFunction([this](HWND, const std::wstring& text, const std::wstring& caption, UINT flags) {
      boxes.push_back({text, caption, flags});
      return IDOK;
    });
  }
  void TearDown() override {
    Application->SetMessageBoxFunction(nullptr);
    Application->SetTitle(savedTitle);
    Application->ProcessMessages();
  }
};
