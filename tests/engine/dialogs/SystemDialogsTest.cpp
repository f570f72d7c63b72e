// The platform dialogs as a user meets them: the input box answering real keys, the save and font
// dialogs starting from what they were given and handing back what was chosen. A timer running
// inside each dialog's own modal loop plays the user.
#include <gtest/gtest.h>
#include "classlib/desktop/Win32.h"
#include <dlgs.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Graphics.h"
#include "engine/dialogs/SystemDialogs.h"
#include "tests/support/DesktopFixture.h"

namespace {

// Runs the action once on the first dialog window of this thread, from inside its modal loop.
class TDialogUser {
public:
  explicit TDialogUser(std::function<void(HWND)> action) {
    action_ = std::move(action);
    timer_ = SetTimer(nullptr, 0, 50, &TDialogUser::Tick);
  }
  ~TDialogUser() {
    KillTimer(nullptr, timer_);
    action_ = nullptr;
  }

private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &TDialogUser::FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog || !action_) return;
    KillTimer(nullptr, timer);
    auto action = std::move(action_);
    action_ = nullptr;
    action(dialog);
  }
  static BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (!IsWindowVisible(window) || std::wstring(className) != L"#32770") return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }

  static inline std::function<void(HWND)> action_;
  UINT_PTR timer_ = 0;
};

void SendKey(WORD key) {
  INPUT input[2] = {};
  for (INPUT& event : input) {
    event.type = INPUT_KEYBOARD;
    event.ki.wVk = key;
  }
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

void Type(const std::wstring& text) {
  for (wchar_t c : text) {
    INPUT input[2] = {};
    for (INPUT& event : input) {
      event.type = INPUT_KEYBOARD;
      event.ki.wScan = c;
      event.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
  }
}

std::wstring TextOf(HWND window) {
  std::wstring text(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(window, text.data(), int(text.size()))));
  return text;
}

struct TChildSearch {
  const wchar_t* className;
  HWND found;
};

// A callback of the system's own calling convention: a lambda does not convert to one as i686.
BOOL CALLBACK StopAtVisibleChildOfClass(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<TChildSearch*>(data);
  wchar_t name[32] = {};
  GetClassNameW(child, name, 32);
  if (!IsWindowVisible(child) || _wcsicmp(name, search->className) != 0) return TRUE;
  search->found = child;
  return FALSE;
}

HWND FirstChildOfClass(HWND parent, const wchar_t* className) {
  TChildSearch search{className, nullptr};
  EnumChildWindows(parent, StopAtVisibleChildOfClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct TInputBoxCase {
  const char* name;
  std::string initial;
  std::wstring typed;
  std::vector<WORD> keys;
  bool answer;
  std::string value;
};

void PrintTo(const TInputBoxCase& c, std::ostream* out) { *out << c.name; }

class InputBoxKeys : public ::testing::TestWithParam<TInputBoxCase> {};

TEST_P(InputBoxKeys, AnswerTheKeysTypedIntoIt) {
  const TInputBoxCase& c = GetParam();
  std::wstring caption, prompt, selected;
  TDialogUser user([&](HWND dialog) {
    caption = TextOf(dialog);
    HWND edit = FirstChildOfClass(dialog, L"Edit");
    prompt = TextOf(FirstChildOfClass(dialog, L"Static"));
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    selected = TextOf(edit).substr(start, end - start);
    SetForegroundWindow(dialog);
    Type(c.typed);
    for (WORD key : c.keys) SendKey(key);
  });
  std::string value = c.initial;
  EXPECT_EQ(vgSystemDialogs().InputBox("New TvgBrushObject", "Enter resource name:", value), c.answer);
  EXPECT_EQ(value, c.value);
  EXPECT_EQ(caption, L"New TvgBrushObject");
  EXPECT_EQ(prompt, L"Enter resource name:");
  EXPECT_EQ(selected, GbkToUtf16(c.initial)) << "the value starts selected, so typing replaces it";
}

INSTANTIATE_TEST_SUITE_P(
    SystemDialogs, InputBoxKeys,
    ::testing::Values(TInputBoxCase{"EnterTakesTheTypedText", "Brush1", L"Fill", {VK_RETURN}, true, "Fill"},
                      TInputBoxCase{"EnterKeepsAnUntouchedValue", "Brush1", L"", {VK_RETURN}, true, "Brush1"},
                      TInputBoxCase{"EscapeKeepsTheValue", "Brush1", L"Fill", {VK_ESCAPE}, false, "Brush1"},
                      TInputBoxCase{"WideTextComesBackInTheCodePage", "Brush1", L"\u753b\u7b14", {VK_RETURN}, true,
                                    "\xbb\xad\xb1\xca"},
                      TInputBoxCase{"AnEmptiedBoxAnswersEmpty", "Brush1", L"", {VK_BACK, VK_RETURN}, true, ""}),
    [](const auto& info) { return std::string(info.param.name); });

std::wstring TempFolder() {
  wchar_t path[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, path);
  return path;
}

TEST(SystemDialogs, SaveFileStartsWithTheGivenNameAndAddsTheDefaultExtension) {
  const std::wstring chosen = TempFolder() + L"saved picture";
  std::wstring shownName;
  TDialogUser user([&](HWND dialog) {
    HWND name = FirstChildOfClass(dialog, L"Edit");
    shownName = TextOf(name);
    SetWindowTextW(name, chosen.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  });
  std::string fileName = "start.png";
  ASSERT_TRUE(vgSystemDialogs().SaveFile("PNG Image|*.png|BMP Image|*.bmp", "png", fileName));
  EXPECT_EQ(shownName, L"start.png");
  EXPECT_EQ(GbkToUtf16(fileName), chosen + L".png");
}

TEST(SystemDialogs, SaveFileCancelledKeepsTheName) {
  TDialogUser user([](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
  std::string fileName = "start.png";
  EXPECT_FALSE(vgSystemDialogs().SaveFile("*.png", "png", fileName));
  EXPECT_EQ(fileName, "start.png");
}

TEST(SystemDialogs, PickFontStartsFromTheFontAndHandsItBack) {
  Owned<TFont> font(new TFont);
  font->SetName("Tahoma");
  font->SetSize(14);
  font->SetStyle({fsBold, fsItalic, fsUnderline});
  font->SetColor(0x0000FF);
  std::wstring shownFamily;
  TDialogUser user([&](HWND dialog) {
    shownFamily = TextOf(GetDlgItem(dialog, cmb1));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  });
  ASSERT_TRUE(vgSystemDialogs().PickFont(*font));
  EXPECT_EQ(shownFamily, L"Tahoma");
  EXPECT_EQ(font->Name(), "Tahoma");
  EXPECT_EQ(font->Size(), 14);
  EXPECT_EQ(font->Style(), TFontStyles({fsBold, fsItalic, fsUnderline}));
  EXPECT_EQ(font->Color(), 0x0000FF);
}

}  // namespace
