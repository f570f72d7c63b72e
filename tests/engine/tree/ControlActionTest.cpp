// Controls showing actions: what a control takes from its action when linked (only defaults
// while the action loads), the properties that follow the action while they hold its value,
// clicking the control running the action, the hint the action adjusts, letting go of a freed
// action, and the scene bringing its controls' actions up to date.
#include "engine/tree/Control.h"

#include <gtest/gtest.h>

#include "classlib/core/TextCodec.h"
#include "engine/tree/ControlActionLink.h"
#include "engine/tree/ImageLists.h"
#include "engine/scene/Scene.h"
#include "engine/paint/Bitmap.h"
#include "tests/support/DesktopFixture.h"
#include "toolkit/Toolkit.h"
#include "classlib/desktop/ActionList.h"
#include "classlib/desktop/Bitmap.h"
#include "classlib/desktop/Form.h"
#include "classlib/desktop/ImageList.h"

namespace {

// A control with a text and a checked state, as text controls and check boxes publish them.
class TTextProbe : public TvgControl {
  CL_CLASS(TTextProbe, TvgControl)
public:
  using TvgControl::TvgControl;
  const std::wstring& Text() const { return text_; }
  void SetText(const std::wstring& text) { text_ = text; }
  bool IsChecked() const { return checked_; }
  void SetIsChecked(bool checked) { checked_ = checked; }

private:
  std::wstring text_;
  bool checked_ = false;
};

}  // namespace

CL_PUBLISHED(TTextProbe) {
  published.Property("Text", &TTextProbe::Text, &TTextProbe::SetText);
  published.Property("IsChecked", &TTextProbe::IsChecked, &TTextProbe::SetIsChecked).Default(false);
  published.Property("Action", &TTextProbe::Action, &TTextProbe::SetAction);
}

namespace {

class ControlAction : public testing::Test {
protected:
  ControlAction() {
    action = new TAction(nullptr);
    action->SetCaption("Save");
    action->SetHint("Saves the file");
    action->SetChecked(true);
    action->SetOnExecute([this](TObject*) { ++executed; });
    control = new TTextProbe(nullptr);
    control->SetName("Probe1");
  }
  ~ControlAction() override {
    control->Free();
    if (action) action->Free();
  }
  TAction* action;
  TTextProbe* control;
  int executed = 0;
};

TEST_F(ControlAction, ALinkedControlTakesWhatTheActionCarries) {
  control->SetText(L"mine");
  control->SetHint(L"my hint");
  control->SetAction(action);
  EXPECT_EQ(control->Action(), action);
  EXPECT_EQ(control->Text(), L"Save");
  EXPECT_EQ(control->Hint(), L"Saves the file");
  EXPECT_TRUE(control->IsChecked());
  EXPECT_TRUE(control->Enabled());
  control->Click();
  EXPECT_EQ(executed, 1) << "the click runs the action's execute handler";
}

TEST_F(ControlAction, WhileTheActionLoadsOnlyDefaultsAreTaken) {
  control->SetText(L"mine");
  control->SetHint(L"my hint");
  int ownClicks = 0;
  control->OnClick = [&](TObject*) { ++ownClicks; };
  action->SetState(csLoading, true);
  control->SetAction(action);
  EXPECT_EQ(control->Text(), L"mine");
  EXPECT_EQ(control->Hint(), L"my hint");
  control->Click();
  EXPECT_EQ(ownClicks, 1);
  EXPECT_EQ(executed, 0);
  action->SetState(csLoading, false);

  TTextProbe named(nullptr);
  named.SetName("Probe2");
  named.SetText(L"Probe2");  // a text that is still the control's name is a default
  action->SetState(csLoading, true);
  named.SetAction(action);
  EXPECT_EQ(named.Text(), L"Save");
  action->SetState(csLoading, false);
}

TEST_F(ControlAction, TheControlFollowsTheActionsChanges) {
  control->SetAction(action);
  action->SetCaption("Save as");
  action->SetEnabled(false);
  action->SetChecked(false);
  action->SetHint("Saves under a new name");
  action->SetVisible(false);
  EXPECT_EQ(control->Text(), L"Save as");
  EXPECT_FALSE(control->Enabled());
  EXPECT_FALSE(control->IsChecked());
  EXPECT_EQ(control->Hint(), L"Saves under a new name");
  EXPECT_FALSE(control->Visible());
}

TEST_F(ControlAction, ThePropertiesStayLinkedOnlyWhileTheyHoldTheActionsValue) {
  control->SetAction(action);
  TvgControlActionLink* link = control->ActionLink();
  ASSERT_NE(link, nullptr);
  EXPECT_TRUE(link->IsCaptionLinked());
  EXPECT_TRUE(link->IsHintLinked());
  EXPECT_TRUE(link->IsOnExecuteLinked());
  control->SetText(L"other");
  control->SetHint(L"other hint");
  EXPECT_FALSE(link->IsCaptionLinked());
  EXPECT_FALSE(link->IsHintLinked());
  link->SetCaption("ignored");
  EXPECT_EQ(control->Text(), L"other");
  control->OnClick = [](TObject*) {};
  EXPECT_FALSE(link->IsOnExecuteLinked());
}

TEST_F(ControlAction, ANewExecuteHandlerReachesTheControlsThatStillRunTheOldOne) {
  control->SetAction(action);
  int newRuns = 0;
  action->SetOnExecute([&](TObject*) { ++newRuns; });
  control->Click();
  EXPECT_EQ(newRuns, 1);
  EXPECT_EQ(executed, 0);
}

TEST_F(ControlAction, TheActionAdjustsTheHintAboutToShow) {
  control->SetAction(action);
  action->OnHint = [](std::string& hint, bool&) { hint += " (Ctrl+S)"; };
  std::string hint = "Saves the file";
  EXPECT_TRUE(control->ActionLink()->DoShowHint(hint));
  EXPECT_EQ(hint, "Saves the file (Ctrl+S)");
}

TEST_F(ControlAction, AFreedActionIsLetGoAndNilUnlinks) {
  control->SetAction(action);
  FreeAndNil(action);
  EXPECT_EQ(control->Action(), nullptr);
  EXPECT_EQ(control->ActionLink(), nullptr);
  control->Click();  // nothing left to run

  auto* second = new TAction(nullptr);
  control->SetAction(second);
  control->SetAction(nullptr);
  EXPECT_EQ(control->ActionLink(), nullptr);
  EXPECT_EQ(second->ClientCount(), 0);
  second->Free();
}

TEST_F(ControlAction, InitiateActionRunsTheActionsUpdate) {
  int updates = 0;
  action->OnUpdate = [&](TObject*) { ++updates; };
  control->InitiateAction();
  EXPECT_EQ(updates, 0);
  control->SetAction(action);
  control->InitiateAction();
  EXPECT_EQ(updates, 1);
}

TEST_F(ControlAction, TheHelpKeywordIsNotWrittenWhileTheActionCarriesIt) {
  const TPropInfo* keyword = FindPropInfo(control, "HelpKeyword");
  ASSERT_NE(keyword, nullptr);
  control->SetHelpKeyword("topic");
  EXPECT_TRUE(keyword->IsStored(*control));
  action->SetHelpKeyword("topic");
  action->SetHelpType(htKeyword);
  control->SetAction(action);
  EXPECT_FALSE(keyword->IsStored(*control));
}

TEST(ImageLists, HandOutTheirBitmapsByIndex) {
  TImageList images(nullptr);
  TBitmap glyph;
  glyph.SetPixelFormat(pf32bit);
  glyph.SetSize(4, 4);
  static_cast<uint32_t*>(glyph.ScanLine(1))[2] = 0xFF00FF00;
  images.Add(&glyph);
  EXPECT_EQ(vgImageListCount(&images), 1);
  EXPECT_EQ(vgImageListCount(nullptr), 0);
  EXPECT_EQ(vgImageListBitmap(&images, 0), images.Images(0));
  EXPECT_EQ(vgImageListBitmap(&images, 1), nullptr);
  EXPECT_EQ(vgImageListBitmap(&images, -1), nullptr);
  TvgBitmap bitmap;
  EXPECT_TRUE(vgAssignImageListBitmap(bitmap, &images, 0));
  EXPECT_EQ(bitmap.Width(), 4);
  EXPECT_EQ(bitmap.GetScanline(1)[2], 0xFF00FF00u);
  EXPECT_FALSE(vgAssignImageListBitmap(bitmap, &images, 3));
}

// The scene walks the shown part of its tree; the form's idle update reaches the scene.
class SceneActions : public DesktopTest {
protected:
  static void SetUpTestSuite() { vgInitializeToolkit(); }
  void SetUp() override {
    DesktopTest::SetUp();
    form = new TForm(nullptr);
    scene = new TvgWindowScene(form);
    scene->SetParent(form);
    root = new TvgVisualObject(nullptr);
    scene->AddObject(root);
  }
  void TearDown() override {
    form->Free();
    DesktopTest::TearDown();
  }
  TTextProbe* AddControl(TvgObject* parent, TAction& action) {
    auto* control = new TTextProbe(nullptr);
    parent->AddObject(control);
    control->SetAction(&action);
    return control;
  }
  TForm* form;
  TvgWindowScene* scene;
  TvgVisualObject* root;
};

TEST_F(SceneActions, TheSceneUpdatesTheActionsOfItsShownControls) {
  TAction shown(nullptr), nested(nullptr), hidden(nullptr);
  std::vector<std::string> updated;
  shown.OnUpdate = [&](TObject*) { updated.push_back("shown"); };
  nested.OnUpdate = [&](TObject*) { updated.push_back("nested"); };
  hidden.OnUpdate = [&](TObject*) { updated.push_back("hidden"); };
  TTextProbe* outer = AddControl(root, shown);
  AddControl(outer, nested);
  auto* group = new TvgVisualObject(nullptr);
  root->AddObject(group);
  AddControl(group, hidden);
  group->SetVisible(false);
  scene->InitiateAction();
  EXPECT_EQ(updated, (std::vector<std::string>{"shown", "nested"}));
}

TEST_F(SceneActions, TheIdleMessageLoopUpdatesTheActionsOfShownForms) {
  TAction action(nullptr);
  int updates = 0;
  action.OnUpdate = [&](TObject*) { ++updates; };
  AddControl(root, action);
  Application->Idle();
  EXPECT_EQ(updates, 0) << "the form is not shown";
  form->Show();
  Application->Idle();
  EXPECT_EQ(updates, 1);
}

}  // namespace
