// The tab control in the default style: the row of tabs and the frame below it, the page of the
// selected tab only, selection by click and keys, hidden tabs skipped and renumbered, and tabs
// that keep their order through a stream.
#include "tests/support/ControlsFixture.h"
//
#include <string>
#include <vector>

#include "classlib/core/StringStream.h"
#include "controls/tabs/TabControl.h"
#include "engine/layouts/Layout.h"
#include "engine/tree/ObjectStreaming.h"

namespace {

// A tab control 240 x 150 at (10, 10) with three tabs 80 x 20 and their pages.
class TabControlTest : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    tabs = Add<TvgTabControl>(10, 10, 240, 150);
    for (const wchar_t* caption : {L"One", L"Two", L"Three"}) AddTab(caption);
    tabs->OnChange = [this](TObject*) { ++changes; };
    tabs->SetItemIndex(0);
    changes = 0;
  }
  TvgTabItem* AddTab(const std::wstring& caption) {
    auto* page = new TvgLayout(nullptr);
    auto* tab = new TvgTabItem(nullptr);
    tab->SetText(caption);
    tabs->AddObject(page);
    tabs->AddObject(tab);
    tab->SetLayout(page);
    items.push_back(tab);
    return tab;
  }
  TvgTabItem* Selected() { return tabs->SelectedTab(); }

  TvgTabControl* tabs = nullptr;
  std::vector<TvgTabItem*> items;
  int changes = 0;
};

TEST_F(TabControlTest, TabsLineUpAboveTheFrameAndOnlyTheSelectedPageShows) {
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(items[size_t(i)]->Position()->X(), float(i) * 80);
    EXPECT_EQ(items[size_t(i)]->VisibleIndex(), i);
    EXPECT_EQ(items[size_t(i)]->Layout()->Visible(), i == 0);
    EXPECT_EQ(items[size_t(i)]->Layout()->DesignHide(), i != 0);
  }
  EXPECT_TRUE(items[0]->IsSelected());
  TvgVisualObject* frame = tabs->StyleObject()->Visual();
  EXPECT_EQ(frame->Position()->Y(), 19) << "the row's height less the frame's own padding of -1";
  EXPECT_EQ(frame->Height(), 131);
  EXPECT_EQ(items[0]->Layout()->Position()->Y(), 20);
  for (int i = 0; i < 3; ++i) EXPECT_LT(items[size_t(i)]->Index(), frame->Index()) << "tabs come first";
  EXPECT_EQ(items[0]->Layout()->Index(), tabs->ChildrenCount() - 1) << "the shown page over the frame";

  tabs->SetWidth(300);
  tabs->SetFullSize(true);
  EXPECT_EQ(items[1]->Width(), 100) << "the width shared by three";
  EXPECT_EQ(items[2]->Position()->X(), 200);
  tabs->SetItemHeight(30);
  EXPECT_EQ(items[2]->Height(), 30);
}

TEST_F(TabControlTest, AClickSelectsItsTabAndTheKeysMoveOn) {
  ClickAt(10 + 80 + 40, 20);
  EXPECT_EQ(tabs->ItemIndex(), 1);
  EXPECT_EQ(Selected(), items[1]);
  EXPECT_TRUE(items[1]->IsSelected());
  EXPECT_FALSE(items[0]->IsSelected());
  EXPECT_TRUE(items[1]->Layout()->Visible());
  EXPECT_FALSE(items[0]->Layout()->Visible());
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(tabs->IsFocused()) << "the keys go on from the clicked tab";

  struct Step {
    WPARAM key;
    int index;
  } steps[] = {{VK_RIGHT, 2}, {VK_RIGHT, 2}, {VK_LEFT, 1}, {VK_HOME, 0}, {VK_LEFT, 0}, {VK_END, 2}, {VK_UP, 1}};
  for (const Step& step : steps) {
    Key(step.key);
    EXPECT_EQ(tabs->ItemIndex(), step.index) << step.key;
  }
}

TEST_F(TabControlTest, AHiddenTabIsSkippedAndTheSelectionStaysOnItsTab) {
  tabs->SetItemIndex(2);
  items[1]->SetVisible(false);
  EXPECT_EQ(Selected(), items[2]) << "the same tab, now at the second place";
  EXPECT_EQ(tabs->ItemIndex(), 1);
  EXPECT_EQ(items[2]->Position()->X(), 80);
  tabs->SetFocus();
  Key(VK_LEFT);
  EXPECT_EQ(Selected(), items[0]) << "the keys pass over the hidden tab";

  tabs->SetItemIndex(1);
  items[2]->SetVisible(false);
  EXPECT_EQ(Selected(), items[0]) << "hiding the selected last tab selects the new last one";
  EXPECT_FALSE(items[2]->IsSelected());
  EXPECT_FALSE(items[2]->Layout()->Visible()) << "a hidden tab's page goes with it";
  EXPECT_TRUE(items[0]->Layout()->Visible());
  items[1]->SetVisible(true);
  EXPECT_EQ(Selected(), items[0]);
  EXPECT_EQ(tabs->ItemIndex(), 0);
}

TEST_F(TabControlTest, NoVisibleTabLeavesNoRow) {
  tabs->SetItemHeight(30);
  for (TvgTabItem* tab : items) tab->SetVisible(false);
  EXPECT_EQ(tabs->ItemIndex(), -1);
  EXPECT_EQ(tabs->StyleObject()->Visual()->Position()->Y(), -1);
}

TEST_F(TabControlTest, AStreamKeepsTheOrderOfTabsWhenOneIsHidden) {
  items[0]->SetVisible(false);
  TStringStream text;
  vgSaveObjectToText(tabs, text);
  EXPECT_EQ(text.DataString().find(" Index ="), std::string::npos) << "the child order carries it";
  TStringStream input(text.DataString());
  auto* loaded = dynamic_cast<TvgTabControl*>(vgLoadObjectFromText(nullptr, input));
  ASSERT_NE(loaded, nullptr);
  std::vector<std::wstring> captions;
  for (int i = 0; i < loaded->ChildrenCount(); ++i)
    if (auto* tab = dynamic_cast<TvgTabItem*>(loaded->Children(i))) captions.push_back(tab->Text());
  EXPECT_EQ(captions, (std::vector<std::wstring>{L"One", L"Two", L"Three"}));
  loaded->Free();
}

}  // namespace
