#include <atomic>
#include <thread>

#include "tests/support/DesktopFixture.h"
#include "classlib/desktop/Menus.h"

namespace {
// What the helper thread saw of one item of the shown menu.
struct TShownItem {
  std::wstring Text;
  bool Separator, Default, Grayed;
  bool operator==(const TShownItem&) const = default;
};

// Waits in another thread for this process's pop-up menu window, records its items and place,
// then chooses an item with the keyboard (down keys and Enter), or cancels with Escape.
class TMenuDriver {
public:
  explicit TMenuDriver(int downs) : downs_(downs), thread_([this] { Run(); }) {}
  ~TMenuDriver() { thread_.join(); }
  std::vector<TShownItem> items;
  RECT place{};

private:
  static HWND FindMenuWindow() {
    for (HWND w = FindWindowW(L"#32768", nullptr); w; w = FindWindowExW(nullptr, w, L"#32768", nullptr)) {
      DWORD pid = 0;
      GetWindowThreadProcessId(w, &pid);
      if (pid == GetCurrentProcessId() && IsWindowVisible(w)) return w;
    }
    return nullptr;
  }
  void Run() {
    HWND window = nullptr;
    for (int i = 0; i < 500 && !window; ++i, Sleep(10)) window = FindMenuWindow();
    if (!window) return;
    GetWindowRect(window, &place);
    auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      wchar_t text[64] = L"";
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
      info.dwTypeData = text;
      info.cch = 64;
      GetMenuItemInfoW(menu, UINT(i), TRUE, &info);
      items.push_back({text, (info.fType & MFT_SEPARATOR) != 0, (info.fState & MFS_DEFAULT) != 0,
                       (info.fState & MFS_GRAYED) != 0});
    }
    for (int i = 0; i < downs_; ++i) PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(window, WM_KEYDOWN, downs_ > 0 ? VK_RETURN : VK_ESCAPE, 0);
  }
  int downs_;
  std::thread thread_;
};

class MenuTest : public DesktopTest {
protected:
  Owned<TComponent> owner{new TComponent(nullptr)};
  TPopupMenu* menu = new TPopupMenu(owner.get());
  std::vector<std::string> clicks;

  TMenuItem* AddItem(const std::string& caption, TMenuItem* parent = nullptr) {
    auto* item = new TMenuItem(owner.get());
    item->SetCaption(caption);
    item->OnClick = [this, caption](TObject*) { clicks.push_back(caption); };
    item->SetParentComponent(parent ? static_cast<TComponent*>(parent) : menu);
    return item;
  }
};
}  // namespace

TEST_F(MenuTest, PopsUpTheVisibleItemsAndRunsTheChosenOnesHandler) {
  AddItem("\xC7\xD0\xBB\xBB\xD5\xCA\xBA\xC5");  // GBK caption
  AddItem("-");
  AddItem("\xCD\xCB\xB3\xF6")->SetDefault(true);
  AddItem("hidden")->SetVisible(false);
  AddItem("off")->SetEnabled(false);
  {
    TMenuDriver driver(2);  // the separator is skipped: two downs reach the third item
    menu->Popup(200, 150);
    EXPECT_EQ(driver.items, (std::vector<TShownItem>{{L"\u5207\u6362\u5E10\u53F7", false, false, false},
                                                     {L"", true, false, false},
                                                     {L"\u9000\u51FA", false, true, false},
                                                     {L"off", false, false, true}}));
    EXPECT_EQ(driver.place.left, 200);
    EXPECT_EQ(driver.place.top, 150);
  }
  EXPECT_TRUE(clicks.empty());  // the choice arrives through the message loop
  Application->ProcessMessages();
  EXPECT_EQ(clicks, (std::vector<std::string>{"\xCD\xCB\xB3\xF6"}));
}

TEST_F(MenuTest, ACancelledMenuRunsNothing) {
  AddItem("one");
  {
    TMenuDriver driver(0);
    menu->Popup(100, 100);
  }
  Application->ProcessMessages();
  EXPECT_TRUE(clicks.empty());
}

TEST_F(MenuTest, ClickRunsTheHandlerOfAnEnabledItemOnly) {
  TMenuItem* item = AddItem("one");
  item->Click();
  item->SetEnabled(false);
  item->Click();
  EXPECT_EQ(clicks, (std::vector<std::string>{"one"}));
}

TEST_F(MenuTest, ItemsHangInATreeThatStreamingCanWalk) {
  TMenuItem* file = AddItem("file");
  TMenuItem* open = AddItem("open", file);
  AddItem("exit");
  EXPECT_EQ(file->GetParentComponent(), menu);
  EXPECT_EQ(open->GetParentComponent(), file);
  EXPECT_EQ(open->GetParentMenu(), menu);
  std::vector<TComponent*> children;
  menu->GetChildren([&](TComponent* c) { children.push_back(c); }, owner.get());
  ASSERT_EQ(children.size(), 2u);
  EXPECT_EQ(children[0], file);
  EXPECT_EQ(dynamic_cast<TMenuItem*>(children[1])->Caption(), "exit");
  EXPECT_THROW(menu->Items()->Add(open), EInvalidOperation);
  // Freeing an item takes it out of its menu; freeing the menu frees the rest.
  const int owned = owner->ComponentCount();
  open->Free();
  EXPECT_EQ(file->Count(), 0);
  menu->Free();
  EXPECT_EQ(owner->ComponentCount(), owned - 4);
}

TEST_F(MenuTest, ForgetsAFreedPopupComponent) {
  auto* popper = new TComponent(owner.get());
  menu->SetPopupComponent(popper);
  EXPECT_EQ(menu->PopupComponent(), popper);
  popper->Free();
  EXPECT_EQ(menu->PopupComponent(), nullptr);
}
