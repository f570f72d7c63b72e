#include <atomic>
#include <thread>

#include "tests/support/DesktopFixture.h"
#include "ProbeControl.h"
#include "classlib/core/TextCodec.h"
#include "classlib/desktop/UtilWindow.h"

namespace {
using ApplicationTest = DesktopTest;

std::wstring WindowText(HWND window) {
  wchar_t text[256] = L"";
  GetWindowTextW(window, text, 256);
  return text;
}

// Waits in another thread for a message box with the caption, takes its text and closes it.
class TMessageBoxCloser {
public:
  explicit TMessageBoxCloser(std::wstring caption)
      : caption_(std::move(caption)), thread_([this] { Run(); }) {}
  ~TMessageBoxCloser() { thread_.join(); }
  std::wstring Text() const { return text_; }
  bool Found() const { return found_; }

private:
  void Run() {
    for (int i = 0; i < 1000 && !found_; ++i) {
      if (HWND box = FindWindowW(L"#32770", caption_.c_str())) {
        EnumChildWindows(box, &TakeStaticText, reinterpret_cast<LPARAM>(this));
        found_ = true;
        PostMessageW(box, WM_CLOSE, 0, 0);
      }
      Sleep(10);
    }
  }
  static BOOL CALLBACK TakeStaticText(HWND child, LPARAM self) {
    wchar_t className[32];
    GetClassNameW(child, className, 32);
    std::wstring text = WindowText(child);
    if (_wcsicmp(className, L"Static") == 0 && !text.empty()) reinterpret_cast<TMessageBoxCloser*>(self)->text_ = text;
    return TRUE;
  }
  std::wstring caption_;
  std::wstring text_;
  std::atomic<bool> found_{false};
  std::thread thread_;
};
}  // namespace

TEST_F(ApplicationTest, TitleStartsAsTheProgramNameAndNamesTheApplicationWindow) {
  EXPECT_EQ(Application->Title(), "classlib_desktop_tests");
  Application->SetTitle("\xB9\xD2\xBB\xFA\xD5\xC7\xC5\xB5\xB6\xB9");
  EXPECT_EQ(WindowText(Application->Handle()), L"\u6302\u673A\u6DA8\u8BFA\u8C46");
}

TEST_F(ApplicationTest, ItsWindowIsAZeroSizeOwnerWhoseExtendedStyleCanChange) {
  HWND window = Application->Handle();
  wchar_t className[32];
  GetClassNameW(window, className, 32);
  EXPECT_STREQ(className, L"TApplication");
  RECT r;
  GetWindowRect(window, &r);
  EXPECT_EQ(r.right - r.left, 0);
  const LONG saved = GetWindowLongW(window, GWL_EXSTYLE);
  SetWindowLongW(window, GWL_EXSTYLE, saved | WS_EX_TOOLWINDOW);
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  SetWindowLongW(window, GWL_EXSTYLE, saved);
  EXPECT_EQ(GetWindowLongW(window, GWL_EXSTYLE), saved);
}

TEST_F(ApplicationTest, AnExceptionLeavingAHandlerIsShownAndTheLoopGoesOn) {
  Application->SetTitle("loop title");
  Owned<TForm> form(new TForm(nullptr));
  auto* probe = new TProbeControl(form.get());
  probe->SetParent(form.get());
  HWND window = probe->Handle();
  PostMessageW(window, kThrowMessage, 0, 0);
  PostMessageW(window, WM_KEYDOWN, VK_F6, 0);
  Application->ProcessMessages();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Text, L"probe failed");
  EXPECT_EQ(boxes[0].Caption, L"loop title");
  EXPECT_EQ(probe->events, (std::vector<std::string>{"keydown 117"}));
}

TEST_F(ApplicationTest, ShowsExceptionsOfEveryKind) {
  struct Case {
    std::function<void()> raise;
    std::wstring text;
  } cases[] = {
      {[] { throw Exception("\xB4\xED\xCE\xF3"); }, L"\u9519\u8BEF"},  // GBK text
      {[] { throw std::runtime_error("plain"); }, L"plain"},
      {[] { throw 42; }, L"Unknown exception"},
  };
  for (const Case& c : cases) {
    try {
      c.raise();
    } catch (...) {
      Application->HandleException(nullptr);
    }
  }
  ASSERT_EQ(boxes.size(), 3u);
  for (size_t i = 0; i < boxes.size(); ++i) EXPECT_EQ(boxes[i].Text, cases[i].text);
  Application->HandleException(nullptr);  // outside a handler: nothing to show
  EXPECT_EQ(boxes.size(), 3u);
}

TEST_F(ApplicationTest, TheRealMessageBoxAppearsWithTheTitleAndTheMessage) {
  Application->SetMessageBoxFunction(nullptr);
  const std::string title = "desktop test " + std::to_string(GetCurrentProcessId());
  Application->SetTitle(title);
  TMessageBoxCloser closer(std::wstring(title.begin(), title.end()));
  try {
    throw Exception("the handler failed");
  } catch (...) {
    Application->HandleException(nullptr);  // returns when the box is closed
  }
  EXPECT_TRUE(closer.Found());
  EXPECT_EQ(closer.Text(), L"the handler failed");
}

TEST_F(ApplicationTest, HandleMessageTakesOneMessageAndProcessMessagesAllWaiting) {
  int handled = 0;
  TUtilWindow window([&](TMessage& message) {
    if (message.Msg != WM_APP) return false;
    ++handled;
    return true;
  });
  for (int i = 0; i < 3; ++i) PostMessageW(window.Handle(), WM_APP, 0, 0);
  Application->HandleMessage();
  EXPECT_EQ(handled, 1);
  Application->ProcessMessages();
  EXPECT_EQ(handled, 3);
}

TEST_F(ApplicationTest, TerminatedOnceTheQuitMessageIsTakenUntilTheNextRun) {
  Application->Terminate();
  EXPECT_FALSE(Application->Terminated());
  Application->ProcessMessages();
  EXPECT_TRUE(Application->Terminated());
  Application->Run();
  EXPECT_FALSE(Application->Terminated());
}

TEST_F(ApplicationTest, HooksSeeTheApplicationWindowsMessagesFirst) {
  HWND window = Application->Handle();
  std::vector<UINT> seen;
  const int cookie = Application->HookMainWindow([&](TMessage& message) {
    if (message.Msg != WM_APP + 1) return false;
    seen.push_back(message.Msg);
    message.Result = 5;
    return true;
  });
  EXPECT_EQ(SendMessageW(window, WM_APP + 1, 0, 0), 5);
  Application->UnhookMainWindow(cookie);
  EXPECT_EQ(SendMessageW(window, WM_APP + 1, 0, 0), 0);
  EXPECT_EQ(seen.size(), 1u);
}

TEST_F(ApplicationTest, RunWithoutAMainFormReturnsAtOnce) {
  ASSERT_EQ(Application->MainForm(), nullptr);
  Application->Run();
}
