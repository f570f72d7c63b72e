// Actions of the class library: execute and update handlers, the links of clients hearing of each
// change, a disabled action refusing to run, action lists holding and freeing their actions, and
// image lists holding copies of their bitmaps.
#include "classlib/desktop/Action.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/desktop/ActionList.h"
#include "classlib/desktop/Bitmap.h"
#include "classlib/desktop/ImageList.h"

namespace {

// Notes each value the action hands it while the property is linked.
class TRecordingLink : public TActionLink {
public:
  explicit TRecordingLink(TObject* client) : TActionLink(client) {}
  std::vector<std::string> heard;
  bool captionLinked = true;
  bool IsCaptionLinked() override { return captionLinked && TActionLink::IsCaptionLinked(); }
  void SetCaption(const std::string& value) override {
    if (IsCaptionLinked()) heard.push_back("Caption=" + value);
  }
  void SetChecked(bool value) override { heard.push_back(std::string("Checked=") + (value ? "1" : "0")); }
  void SetEnabled(bool value) override { heard.push_back(std::string("Enabled=") + (value ? "1" : "0")); }
  void SetHint(const std::string& value) override { heard.push_back("Hint=" + value); }
  void SetImageIndex(int32_t value) override { heard.push_back("ImageIndex=" + std::to_string(value)); }
  void SetVisible(bool value) override { heard.push_back(std::string("Visible=") + (value ? "1" : "0")); }
};

TEST(Action, ExecuteAndUpdateRunTheirHandlersAndAnswerWhetherOneRan) {
  TAction action(nullptr);
  EXPECT_FALSE(action.Update());
  EXPECT_FALSE(action.Execute());
  std::vector<std::string> calls;
  action.OnUpdate = [&](TObject* sender) { calls.push_back(sender == &action ? "update" : "?"); };
  action.SetOnExecute([&](TObject*) { calls.push_back("execute"); });
  EXPECT_TRUE(action.Update());
  EXPECT_TRUE(action.Execute());
  // Execution brings the action up to date first.
  EXPECT_EQ(calls, (std::vector<std::string>{"update", "update", "execute"}));
}

TEST(Action, ADisabledActionDoesNotRun) {
  TAction action(nullptr);
  int runs = 0;
  action.SetOnExecute([&](TObject*) { ++runs; });
  action.OnUpdate = [&](TObject*) { action.SetEnabled(false); };
  EXPECT_FALSE(action.Execute());
  EXPECT_EQ(runs, 0);
}

TEST(Action, LinksHearOfEachRealChangeAndTheirChangeHandlerRuns) {
  TAction action(nullptr);
  TRecordingLink link(nullptr);
  int changes = 0;
  link.OnChange = [&](TObject* sender) { changes += sender == &action; };
  link.SetAction(&action);
  action.SetCaption("Open");
  action.SetCaption("Open");
  action.SetChecked(true);
  action.SetEnabled(false);
  action.SetHint("Opens a file");
  action.SetImageIndex(2);
  action.SetVisible(false);
  EXPECT_EQ(link.heard, (std::vector<std::string>{"Caption=Open", "Checked=1", "Enabled=0", "Hint=Opens a file",
                                                  "ImageIndex=2", "Visible=0"}));
  EXPECT_EQ(changes, 6);
  link.captionLinked = false;
  action.SetCaption("Close");
  EXPECT_EQ(link.heard.size(), 6u) << "an unlinked caption stays";
  EXPECT_EQ(action.Caption(), "Close");
}

TEST(Action, ALinkExecutesWithItsComponentAsTheActionComponent) {
  TAction action(nullptr);
  TComponent client(nullptr);
  TComponent* seen = nullptr;
  action.SetOnExecute([&](TObject*) { seen = action.ActionComponent(); });
  TActionLink link(&client);
  link.SetAction(&action);
  EXPECT_TRUE(link.Execute(&client));
  EXPECT_EQ(seen, &client);
  EXPECT_EQ(action.ActionComponent(), nullptr);
}

TEST(Action, AFreedActionLeavesItsLinksAndAFreedLinkItsAction) {
  auto* action = new TAction(nullptr);
  TActionLink first(nullptr), second(nullptr);
  first.SetAction(action);
  second.SetAction(action);
  {
    TActionLink third(nullptr);
    third.SetAction(action);
    EXPECT_EQ(action->ClientCount(), 3);
  }
  EXPECT_EQ(action->ClientCount(), 2);
  action->Free();
  EXPECT_EQ(first.Action(), nullptr);
  EXPECT_EQ(second.Action(), nullptr);
  EXPECT_FALSE(first.Execute());
}

TEST(Action, OnHintMayChangeOrRefuseTheHint) {
  TAction action(nullptr);
  std::string hint = "plain";
  EXPECT_TRUE(action.DoHint(hint));
  action.OnHint = [](std::string& text, bool& canShow) {
    text += " (Ctrl+O)";
    canShow = text.size() < 20;
  };
  EXPECT_TRUE(action.DoHint(hint));
  EXPECT_EQ(hint, "plain (Ctrl+O)");
  std::string longer = "a rather long hint";
  EXPECT_FALSE(action.DoHint(longer));
}

TEST(ActionList, HoldsItsActionsInOrderAndFreesThemWithItself) {
  auto* list = new TActionList(nullptr);
  auto* first = new TAction(nullptr);
  auto* second = new TAction(nullptr);
  first->SetActionList(list);
  second->SetActionList(list);
  EXPECT_EQ(list->ActionCount(), 2);
  EXPECT_EQ(second->Index(), 1);
  first->Free();
  EXPECT_EQ(list->ActionCount(), 1);
  EXPECT_EQ(second->Index(), 0);
  EXPECT_EQ(second->GetParentComponent(), list);
  list->Free();  // frees the second action with it
}

TEST(ActionList, ForgetsItsImageListWhenItGoes) {
  TActionList list(nullptr);
  auto* images = new TImageList(nullptr);
  list.SetImages(images);
  EXPECT_EQ(list.Images(), images);
  images->Free();
  EXPECT_EQ(list.Images(), nullptr);
}

TEST(ImageList, KeepsCopiesOfItsBitmapsByIndex) {
  TImageList images(nullptr);
  int changes = 0;
  images.OnChange = [&](TObject*) { ++changes; };
  TBitmap red;
  red.SetPixelFormat(pf32bit);
  red.SetSize(16, 16);
  static_cast<uint32_t*>(red.ScanLine(3))[4] = 0xFFFF0000;
  EXPECT_EQ(images.Add(&red), 0);
  EXPECT_EQ(images.Add(&red), 1);
  red.SetSize(8, 8);
  ASSERT_EQ(images.Count(), 2);
  ASSERT_NE(images.Images(0), &red);
  EXPECT_EQ(images.Images(0)->Width(), 16);
  EXPECT_EQ(static_cast<uint32_t*>(images.Images(0)->ScanLine(3))[4] & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(images.Images(-1), nullptr);
  EXPECT_EQ(images.Images(2), nullptr);
  images.Delete(0);
  EXPECT_EQ(images.Count(), 1);
  images.Clear();
  EXPECT_EQ(images.Count(), 0);
  EXPECT_EQ(changes, 4);
}

}  // namespace
