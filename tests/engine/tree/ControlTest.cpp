// TvgControl: the clone of its style beneath it, when the style is applied and re-applied, what
// FindResource finds, data binding, tab order and help.
#include "tests/support/StyleFixture.h"
#include "engine/tree/Control.h"
#include "engine/tree/Content.h"

#include <gtest/gtest.h>

#include "tests/support/StyleTree.h"
#include "classlib/core/MemoryStream.h"
#include "classlib/core/StringStream.h"
#include "engine/effects/Effect.h"
#include "engine/tree/ObjectStreaming.h"

// A property the style shows, set through the controls' shared setter.
class TvgWeightProbe : public TvgProbeControl {
  CL_CLASS(TvgWeightProbe, TvgProbeControl)
public:
  using TvgProbeControl::TvgProbeControl;
  float Weight() const { return weight_; }
  void SetWeight(float weight) { StoreAndApply(weight_, weight); }

private:
  float weight_ = 1;
};

CL_PUBLISHED(TvgWeightProbe) { published.Property("Weight", &TvgWeightProbe::Weight, &TvgWeightProbe::SetWeight).Default(1.0f); }

namespace {

// Hears when a component it watches is freed.
class TFreeWatcher : public TComponent {
public:
  explicit TFreeWatcher(TComponent* watched) : TComponent(nullptr) { FreeNotification(watched); }
  bool freed = false;
  void Notification(TComponent*, TOperation operation) override {
    if (operation == opRemove) freed = true;
  }
};

class Control : public StyleFixture {
protected:
  void SetUp() override {
    StyleFixture::SetUp();
    SetStyleText(StylesText({{"ProbeControlstyle", 1}, {"Second", 2}}));
  }
};

TEST_F(Control, StyleIsClonedAsTheFirstChildNotStoredAndLocked) {
  TvgProbeControl* control = AddControl();
  auto* own = new TvgVisualObject(nullptr);
  control->AddObject(own);
  control->ApplyResource();

  TvgObject* style = control->StyleObject();
  ASSERT_NE(style, nullptr);
  EXPECT_EQ(control->Children(0), style);
  EXPECT_EQ(control->Children(1), own);
  EXPECT_EQ(style->Owner(), control);
  EXPECT_FALSE(style->Stored());
  EXPECT_FALSE(control->part->Stored());
  EXPECT_TRUE(style->Visual()->Locked());
  EXPECT_TRUE(control->part->Visual()->Locked());
  EXPECT_EQ(style->Visual()->Align(), vaContents);
  EXPECT_FALSE(style->Visual()->DesignHide());
  EXPECT_TRUE(resources->Root()->FindResource("ProbeControlstyle")->Stored()) << "the source is untouched";
  EXPECT_EQ(control->events, std::vector<std::string>{"apply"});
}

TEST_F(Control, StyleIsNotWrittenWithTheControl) {
  TvgProbeControl* control = AddControl();
  auto* own = new TvgVisualObject(nullptr);
  own->SetResourceName("own");
  control->AddObject(own);
  control->ApplyResource();

  TMemoryStream stream;
  vgSaveObjectToStream(control, stream);
  stream.SetPosition(0);
  const TStyleNode written = TStyleTreeReader(stream).Read();
  ASSERT_EQ(written.Children.size(), 1u);
  EXPECT_EQ(written.Children[0].Property("ResourceName"), "own");
}

TEST_F(Control, ApplyingAgainFreesTheFirstCloneAfterFreeStyle) {
  TvgProbeControl* control = AddControl();
  control->ApplyResource();
  TvgObject* first = control->StyleObject();
  TFreeWatcher watcher(first);

  control->SetResource("Second");
  EXPECT_TRUE(watcher.freed);
  EXPECT_EQ(StyleTag(control), 2);
  EXPECT_EQ(control->Children(0), control->StyleObject());
  EXPECT_EQ(control->ChildrenCount(), 1);
  EXPECT_EQ(control->events, (std::vector<std::string>{"apply", "free", "apply"}));
}

TEST_F(Control, StyleFoundNowhereKeepsThePreviousStyle) {
  TvgProbeControl* control = AddControl();
  control->ApplyResource();
  TvgObject* style = control->StyleObject();
  SetStyleText("");  // the scene re-applies styles and finds none
  EXPECT_EQ(control->StyleObject(), style);
  EXPECT_EQ(control->events, std::vector<std::string>{"apply"});
}

TEST_F(Control, FindResourceLooksInTheStyleFirstThenAmongOwnChildren) {
  TvgProbeControl* control = AddControl();
  for (const char* name : {"part", "own"}) {
    auto* child = new TvgVisualObject(nullptr);
    child->SetResourceName(name);
    control->AddObject(child);
  }
  TvgObject* ownPart = control->FindResource("part");
  EXPECT_EQ(ownPart->Parent(), control) << "before the style is applied only own children are found";

  control->ApplyResource();
  EXPECT_EQ(control->FindResource("part"), control->part);
  EXPECT_NE(control->part, ownPart);
  EXPECT_EQ(control->FindResource("OWN")->Parent(), control);
}

TEST_F(Control, StyleArrivesAtTheFirstPaintOrFocus) {
  TvgProbeControl* painted = AddControl();
  painted->BeforePaint();
  EXPECT_EQ(StyleTag(painted), 1);

  TvgProbeControl* focused = AddControl();
  focused->SetCanFocused(true);
  focused->EnterFocus();
  EXPECT_EQ(StyleTag(focused), 1);
}

TEST_F(Control, ResourceSetInsideAnUpdateWaitsForThePaint) {
  TvgProbeControl* control = AddControl();
  control->BeginUpdate();
  control->SetResource("Second");
  EXPECT_EQ(control->StyleObject(), nullptr);
  control->EndUpdate();
  control->BeforePaint();
  EXPECT_EQ(StyleTag(control), 2);
}

TEST_F(Control, UpdateResourceAppliesTheStyleAgain) {
  TvgProbeControl* control = AddControl();
  control->ApplyResource();
  TvgObject* first = control->StyleObject();
  control->ApplyResource();
  EXPECT_EQ(control->StyleObject(), first) << "applied once until something asks again";
  control->UpdateResource();
  EXPECT_NE(control->StyleObject(), first);
  EXPECT_EQ(control->events, (std::vector<std::string>{"apply", "free", "apply"}));
}

TEST_F(Control, AStyledPropertyAppliesTheStyleOnlyWhenItChanges) {
  auto* control = AddControl<TvgWeightProbe>("ProbeControlstyle");
  control->ApplyResource();
  control->events.clear();
  control->SetWeight(2);
  control->SetWeight(2);
  EXPECT_EQ(control->Weight(), 2);
  EXPECT_EQ(control->events, (std::vector<std::string>{"apply"}));
}

TEST_F(Control, AStyledPropertyReadFromAStreamWaitsForTheStyle) {
  RegisterClasses({TvgWeightProbe::StaticClass()});
  TStringStream stream("object TvgWeightProbe\r\n  Resource = 'ProbeControlstyle'\r\n  Weight = 3.0\r\nend\r\n");
  auto* control = static_cast<TvgWeightProbe*>(vgLoadObjectFromText(nullptr, stream));
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->Weight(), 3);
  EXPECT_EQ(control->events, std::vector<std::string>{});
  scene->AddObject(control);
  control->ApplyResource();
  EXPECT_EQ(control->events, (std::vector<std::string>{"apply"}));
}

TEST_F(Control, ApplyResourceEventFollowsApplyStyle) {
  TvgProbeControl* control = AddControl();
  TObject* sender = nullptr;
  control->OnApplyResource = [&](TObject* s) {
    sender = s;
    control->events.push_back("event");
  };
  control->ApplyResource();
  EXPECT_EQ(sender, control);
  EXPECT_EQ(control->events, (std::vector<std::string>{"apply", "event"}));
}

TEST_F(Control, StyleObjectFreedFromOutsideIsForgotten) {
  TvgProbeControl* control = AddControl();
  control->ApplyResource();
  control->StyleObject()->Free();
  EXPECT_EQ(control->StyleObject(), nullptr);
  EXPECT_EQ(control->part, nullptr);
  EXPECT_EQ(control->events, (std::vector<std::string>{"apply", "free"}));
  control->UpdateResource();
  EXPECT_EQ(StyleTag(control), 1);
}

// FreeStyle lets go of the parts ApplyStyle hooked: they are still whole when it runs, whether
// the control goes or only its style.
TEST_F(Control, FreeStyleRunsWhileTheStylesPartsAreWhole) {
  for (bool freeTheControl : {true, false}) {
    TvgProbeControl* control = AddControl();
    control->ApplyResource();
    ASSERT_NE(control->part, nullptr);
    TFreeWatcher partWatcher(control->part);
    bool partWasWhole = false;
    control->onFreeStyle = [&] { partWasWhole = !partWatcher.freed; };
    if (freeTheControl) control->Free();
    else control->StyleObject()->Free();
    EXPECT_TRUE(partWasWhole) << (freeTheControl ? "the control freed" : "its style freed");
    EXPECT_TRUE(partWatcher.freed);
    if (!freeTheControl) {
      EXPECT_EQ(control->events, (std::vector<std::string>{"apply", "free"})) << "FreeStyle runs once";
      control->Free();
    }
  }
}

// A focused control's new style shows the focus at once.
TEST_F(Control, StyleAppliedWhileFocusedSwitchesItsFocusEffectOn) {
  SetStyleText(
      "object TvgVisualObject\r\n  object TvgVisualObject\r\n    ResourceName = 'ProbeControlstyle'\r\n    HitTest = False\r\n"
      "    object TvgGlowEffect\r\n      ResourceName = 'glow'\r\n      Trigger = 'IsFocused=true'\r\n"
      "      Enabled = False\r\n    end\r\n  end\r\nend\r\n");
  for (bool disabled : {false, true}) {
    TvgProbeControl* control = AddControl();
    control->SetCanFocused(true);
    control->SetDisableFocusEffect(disabled);
    scene->SetFocused(control);
    ASSERT_TRUE(control->IsFocused());
    control->UpdateResource();
    auto* glow = dynamic_cast<TvgEffect*>(control->FindResource("glow"));
    ASSERT_NE(glow, nullptr);
    EXPECT_EQ(glow->Enabled(), !disabled) << "focus effect disabled: " << disabled;
    scene->SetFocused(nullptr);
  }
}

// --- Data binding -----------------------------------------------------------------------------

TEST_F(Control, BoundControlTakesTheSourcesValueAtOnceAndOnEveryUpdate) {
  TvgProbeControl* source = AddControl();
  TvgProbeControl* first = AddControl();
  TvgProbeControl* second = AddControl();
  source->value = Variant(std::wstring(L"one"));
  first->SetBindingSource(source);
  second->SetBindingSource(source);
  second->SetBindingSource(source);
  EXPECT_EQ(first->value.ToWideString(), L"one");

  source->value = Variant(std::wstring(L"two"));
  source->UpdateBinding();
  EXPECT_EQ(first->value.ToWideString(), L"two");
  EXPECT_EQ(second->value.ToWideString(), L"two");

  second->SetBindingSource(nullptr);
  source->value = Variant(std::wstring(L"three"));
  source->UpdateBinding();
  EXPECT_EQ(first->value.ToWideString(), L"three");
  EXPECT_EQ(second->value.ToWideString(), L"two");
}

TEST_F(Control, FreeingEitherSideOfABindingLeavesNoReference) {
  TvgProbeControl* source = AddControl();
  TvgProbeControl* bound = AddControl();
  TvgProbeControl* other = AddControl();
  bound->SetBindingSource(source);
  other->SetBindingSource(source);
  other->Free();
  source->UpdateBinding();  // would reach the freed control
  source->Free();
  EXPECT_EQ(bound->BindingSource(), nullptr);
}

TEST_F(Control, ControlIsNotItsOwnBindingSource) {
  TvgProbeControl* control = AddControl();
  control->SetBindingSource(control);
  EXPECT_EQ(control->BindingSource(), nullptr);
}

// --- Tab order and help -----------------------------------------------------------------------

TEST_F(Control, TabOrderReadFromAStreamOrdersTheParentsTabList) {
  const std::string text =
      "object TvgVisualObject\r\n"
      "  object TvgProbeControl\r\n    ResourceName = 'a'\r\n    TabOrder = 2\r\n  end\r\n"
      "  object TvgProbeControl\r\n    ResourceName = 'b'\r\n    TabOrder = 0\r\n  end\r\n"
      "  object TvgProbeControl\r\n    ResourceName = 'c'\r\n    TabOrder = 1\r\n  end\r\n"
      "end\r\n";
  TStringStream stream(text);
  TvgObject* parent = vgLoadObjectFromText(nullptr, stream);
  ASSERT_NE(parent, nullptr);
  auto tabOrder = [parent](const char* name) { return static_cast<TvgControl*>(parent->FindResource(name))->TabOrder(); };
  EXPECT_EQ(tabOrder("a"), 2);
  EXPECT_EQ(tabOrder("b"), 0);
  EXPECT_EQ(tabOrder("c"), 1);
  parent->Free();
}

TEST_F(Control, TabOrderSetAfterLoadingMovesTheControlWithinTheTabList) {
  auto* parent = new TvgVisualObject(nullptr);
  scene->AddObject(parent);
  TvgControl* controls[3];
  for (TvgControl*& control : controls) {
    control = new TvgProbeControl(nullptr);
    parent->AddObject(control);
  }
  using List = std::vector<TvgVisualObject*>;
  controls[0]->SetTabOrder(99);
  EXPECT_EQ(parent->TabList(), (List{controls[1], controls[2], controls[0]}));
  EXPECT_EQ(controls[0]->TabOrder(), 2);
  controls[2]->SetTabOrder(-5);
  EXPECT_EQ(parent->TabList(), (List{controls[2], controls[1], controls[0]}));
  controls[0]->SetTabOrder(1);
  EXPECT_EQ(parent->TabList(), (List{controls[2], controls[0], controls[1]}));
}

// Lays its content out again each time it is laid out, as a control sizing its items does.
class TContentHolder : public TvgVisualObject {
public:
  TContentHolder() : TvgVisualObject(nullptr) {
    content = new TvgContent(nullptr);
    AddObject(content);
  }
  TvgContent* content;
  int realigns = 0;
  void Realign() override {
    ++realigns;
    TvgVisualObject::Realign();
    content->Realign();
  }
};

TEST_F(Control, AContentLaysOutItselfAndThenItsParentOnce) {
  auto* holder = new TContentHolder;
  scene->AddObject(holder);
  holder->content->SetBounds(0, 0, 80, 60);
  auto* item = new TvgVisualObject(nullptr);
  holder->content->AddObject(item);
  item->SetAlign(vaClient);
  holder->realigns = 0;
  holder->content->Realign();
  EXPECT_EQ(holder->realigns, 1);  // the holder's own call back into its content stops there
  EXPECT_EQ(item->Width(), 80);
  EXPECT_EQ(item->Height(), 60);
}

TEST_F(Control, TabOrderWithoutAVisualParentIsMinusOne) {
  TvgProbeControl* control = AddControl();
  EXPECT_EQ(control->TabOrder(), -1);
}

TEST_F(Control, HelpKeywordAndContextSetTheHelpType) {
  TvgProbeControl* control = AddControl();
  control->SetHelpKeyword("intro");
  EXPECT_EQ(control->HelpType(), htKeyword);
  control->SetHelpContext(12);
  EXPECT_EQ(control->HelpType(), htContext);
}

}  // namespace
