// The scene's input routing, driven by real window messages sent to the scene's window: clicks,
// hover, capture, cursor and hint, wheel, keys and characters, Tab, Escape, window moves.
#include "tests/support/InputFixture.h"
//
#include "classlib/core/TextCodec.h"
#include "engine/animation/FloatAnimation.h"

namespace {

class SceneInput : public InputTest {
protected:
  TvgVisualObject* AddFocusable(const std::string& name, float x, float y, TvgVisualObject* parent = nullptr) {
    TvgVisualObject* object = Add(name, x, y, parent);
    object->SetCanFocused(true);
    return object;
  }
  // The log from here on.
  void Forget() { log.clear(); }
};

// A: (10, 10)-(60, 50); B: (100, 10)-(150, 50). Each press comes after a move to its point, as
// the window system sends them.
TEST_F(SceneInput, ClicksFollowPressAndReleaseOverTheSameObject) {
  Add("A", 10, 10);
  Add("B", 100, 10);
  struct Step {
    enum { move, press, doublePress, release } kind;
    int x, y;
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
    TEventLog expected;
  };
  const Case cases[] = {
      {"press and release inside", {{Step::press, 30, 30}, {Step::release, 30, 30}},
       {"A:Enter", "A:Move", "A:Down", "A:Up", "A:Click"}},
      {"release over another object", {{Step::press, 30, 30}, {Step::move, 120, 30}, {Step::release, 120, 30}},
       {"A:Enter", "A:Move", "A:Down", "A:Leave", "B:Enter", "B:Move", "B:Up"}},
      {"double click",
       {{Step::press, 30, 30}, {Step::release, 30, 30}, {Step::doublePress, 30, 30}, {Step::release, 30, 30}},
       {"A:Enter", "A:Move", "A:Down", "A:Up", "A:Click", "A:Move", "A:DownDouble", "A:DblClick", "A:Up"}},
      {"a press dragged off and back clicks nothing",
       {{Step::press, 30, 30}, {Step::move, 80, 30}, {Step::move, 30, 30}, {Step::release, 30, 30}},
       {"A:Enter", "A:Move", "A:Down", "A:Leave", "A:Enter", "A:Move", "A:Up"}},
      {"a release without a press clicks nothing", {{Step::move, 30, 30}, {Step::release, 30, 30}},
       {"A:Enter", "A:Move", "A:Up"}},
  };
  for (const Case& c : cases) {
    Move(200, 150);
    Forget();
    for (const Step& step : c.steps) {
      if (step.kind == Step::move) Move(step.x, step.y);
      if (step.kind == Step::press) Press(step.x, step.y);
      if (step.kind == Step::doublePress) Press(step.x, step.y, WM_LBUTTONDBLCLK);
      if (step.kind == Step::release) Release(step.x, step.y);
    }
    Move(200, 150);
    log.pop_back();
    EXPECT_EQ(log, c.expected) << c.name;
  }
}

TEST_F(SceneInput, ACapturedReleaseClicksOnTheEdgesAndNotBeyond) {
  TvgVisualObject* a = Add<TCapturingObject>("A", 10, 10);
  struct Case {
    int x, y;
    bool clicks;
  } const cases[] = {{60, 50, true}, {10, 10, true}, {60, 30, true}, {61, 30, false}, {30, 9, false}};
  for (const Case& c : cases) {
    Press(30, 30);
    EXPECT_EQ(scene->GetCaptured(), a);
    EXPECT_EQ(GetCapture(), Window());
    Move(c.x, c.y, MK_LBUTTON);
    Forget();
    Release(c.x, c.y);
    const TEventLog expected = c.clicks ? TEventLog{"A:Up", "A:Click"} : TEventLog{"A:Up"};
    EXPECT_EQ(log, expected) << c.x << "," << c.y;
    EXPECT_EQ(scene->GetCaptured(), nullptr);
    EXPECT_NE(GetCapture(), Window());
  }
}

TEST_F(SceneInput, WhileCapturedOnlyTheCapturingObjectSeesTheMouse) {
  TvgVisualObject* a = Add<TCapturingObject>("A", 10, 10);
  TvgVisualObject* b = Add("B", 100, 10);
  b->SetCursor(crHandPoint);
  Press(30, 30);
  Forget();
  Move(120, 30, MK_LBUTTON);
  Move(130, 35, MK_LBUTTON);
  EXPECT_EQ(log, (TEventLog{"A:Move", "A:Move"}));
  EXPECT_TRUE(a->IsMouseOver());
  EXPECT_FALSE(b->IsMouseOver());
  EXPECT_EQ(scene->Cursor(), crDefault);
  Release(130, 35);
  Forget();
  Move(131, 35);
  EXPECT_EQ(log, (TEventLog{"A:Leave", "B:Enter", "B:Move"}));
  EXPECT_EQ(scene->Cursor(), crHandPoint);
}

TEST_F(SceneInput, ARightPressOpensTheContextMenuAndClicksNothing) {
  TvgVisualObject* a = Add("A", 10, 10);
  TRecordingPopupMenu menu;
  a->SetPopupMenu(&menu);
  Press(30, 25, WM_RBUTTONDOWN, MK_RBUTTON);
  Release(30, 25, WM_RBUTTONUP);
  EXPECT_EQ(log, (TEventLog{"A:Enter", "A:Move", "A:RightDown", "A:Up"}));
  ASSERT_EQ(menu.popups.size(), 1u);
  EXPECT_EQ(menu.popups[0].x, kFormLeft + 30);
  EXPECT_EQ(menu.popups[0].y, kFormTop + 25);
  EXPECT_EQ(menu.PopupComponent(), a);
  a->SetPopupMenu(nullptr);
}

TEST_F(SceneInput, HoverFollowsTheObjectUnderTheMouseAndEndsWhenTheMouseLeaves) {
  TvgVisualObject* a = Add("A", 10, 10);
  TvgVisualObject* b = Add("B", 100, 10);
  auto* glow = new TvgFloatAnimation(nullptr);
  glow->SetTrigger("IsMouseOver=true");
  glow->SetPropertyName("Opacity");
  glow->SetStopValue(0.5f);
  glow->SetDuration(10);
  a->AddObject(glow);

  Move(30, 30);
  EXPECT_TRUE(a->IsMouseOver());
  EXPECT_TRUE(glow->Running());
  Move(120, 30);
  Move(200, 150);
  EXPECT_EQ(log, (TEventLog{"A:Enter", "A:Move", "A:Leave", "B:Enter", "B:Move", "B:Leave"}));
  EXPECT_FALSE(a->IsMouseOver());
  EXPECT_FALSE(b->IsMouseOver());

  Move(120, 30);
  Forget();
  Send(WM_MOUSELEAVE);
  EXPECT_EQ(log, (TEventLog{"B:Leave"}));
  EXPECT_FALSE(b->IsMouseOver());
}

TEST_F(SceneInput, AFreedHoveredObjectIsForgotten) {
  TvgVisualObject* a = Add("A", 10, 10);
  Move(30, 30);
  a->Free();
  Forget();
  Move(200, 150);
  Send(WM_MOUSELEAVE);
  EXPECT_TRUE(log.empty());
}

TEST_F(SceneInput, TheHoveredObjectGivesTheSceneItsCursorAndHint) {
  TvgVisualObject* a = Add("A", 10, 10);
  a->SetCursor(crHandPoint);
  a->SetHint(L"\u63d0\u793a");
  a->SetShowHint(true);
  TvgVisualObject* b = Add("B", 100, 10);
  b->SetHint(L"hidden");
  Move(30, 30);
  EXPECT_EQ(scene->Cursor(), crHandPoint);
  EXPECT_EQ(scene->Hint(), Utf16ToGbk(L"\u63d0\u793a"));
  Move(120, 30);
  EXPECT_EQ(scene->Cursor(), crDefault);
  EXPECT_EQ(scene->Hint(), "");
}

TEST_F(SceneInput, TheWheelGoesUpFromTheObjectUnderTheMouseUntilHandled) {
  TvgVisualObject* a = Add("A", 10, 10, nullptr, 100, 100);
  TvgVisualObject* inner = Add("inner", 10, 10, a);
  TvgPoint seenAt;
  a->OnMouseWheel = [&](TObject*, TShiftState, int delta, const TvgPoint& at, bool& handled) {
    log.push_back("A:Wheel(" + std::to_string(delta) + ")");
    seenAt = at;
    handled = true;
  };
  root->OnMouseWheel = [&](TObject*, TShiftState, int, const TvgPoint&, bool&) { log.push_back("root:Wheel"); };
  inner->OnMouseWheel = [&](TObject*, TShiftState, int, const TvgPoint&, bool&) { log.push_back("inner:Wheel"); };
  Move(30, 30);
  Forget();
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, -120), MAKELPARAM(kFormLeft + 30, kFormTop + 30));
  EXPECT_EQ(log, (TEventLog{"inner:Wheel", "A:Wheel(-120)"}));
  EXPECT_FLOAT_EQ(seenAt.X, 30);
  EXPECT_FLOAT_EQ(seenAt.Y, 30);
}

TEST_F(SceneInput, TheCapturedObjectAloneGetsTheWheel) {
  TvgVisualObject* a = Add<TCapturingObject>("A", 10, 10);
  TvgVisualObject* b = Add("B", 100, 10);
  a->OnMouseWheel = [&](TObject*, TShiftState, int, const TvgPoint&, bool&) { log.push_back("A:Wheel"); };
  b->OnMouseWheel = [&](TObject*, TShiftState, int, const TvgPoint&, bool&) { log.push_back("B:Wheel"); };
  Press(30, 30);
  Move(120, 30, MK_LBUTTON);
  Forget();
  Send(WM_MOUSEWHEEL, MAKEWPARAM(MK_LBUTTON, 120), MAKELPARAM(kFormLeft + 120, kFormTop + 30));
  EXPECT_EQ(log, (TEventLog{"A:Wheel"}));
}

TEST_F(SceneInput, APressFocusesAFocusableObjectUnlessItRefuses) {
  TvgVisualObject* a = AddFocusable("A", 10, 10);
  TvgVisualObject* b = AddFocusable("B", 100, 10);
  b->OnCanFocused = [](TObject*, bool& canFocus) { canFocus = false; };
  Press(30, 30);
  Release(30, 30);
  EXPECT_EQ(scene->GetFocused(), a);
  EXPECT_TRUE(a->IsFocused());
  Forget();
  Press(120, 30);
  EXPECT_EQ(log, (TEventLog{"A:Leave", "B:Enter", "B:Move", "B:Down"}));
  EXPECT_EQ(scene->GetFocused(), a);
  b->OnCanFocused = nullptr;
  Release(120, 30);
  Forget();
  Press(120, 30);
  EXPECT_EQ(log, (TEventLog{"B:Move", "A:KillFocus", "B:Focus", "B:Down"}));
  EXPECT_FALSE(a->IsFocused());
  EXPECT_EQ(scene->GetFocused(), b);
}

TEST_F(SceneInput, KeysGoToTheFocusedObjectAfterTheRootSawTheDialogKeys) {
  TvgVisualObject* a = AddFocusable("A", 10, 10);
  a->SetFocus();
  dialogRoot->consumed = {VK_RETURN};
  struct Case {
    UINT msg;
    WPARAM key;
    TEventLog expected;
  };
  const Case cases[] = {
      {WM_KEYDOWN, VK_LEFT, {"root:DialogKey(37)", "A:KeyDown(37,0)"}},
      {WM_KEYDOWN, VK_ADD, {"root:DialogKey(107)", "A:KeyDown(107,0)"}},
      {WM_KEYDOWN, 'Q', {"A:KeyDown(81,0)"}},
      {WM_KEYDOWN, VK_RETURN, {"root:DialogKey(13)"}},
      {WM_KEYDOWN, VK_ESCAPE, {"root:DialogKey(27)", "A:KeyDown(27,0)"}},
      {WM_KEYUP, 'Q', {"A:KeyUp(81,0)"}},
      {WM_KEYUP, VK_RETURN, {"A:KeyUp(13,0)"}},
  };
  for (const Case& c : cases) {
    Forget();
    Key(c.msg, c.key);
    EXPECT_EQ(log, c.expected) << c.key;
  }
  EXPECT_EQ(Send(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS);
}

TEST_F(SceneInput, TheMenuKeyOpensTheContextMenuAtTheObjectsCentre) {
  TvgVisualObject* a = AddFocusable("A", 10, 10);
  TRecordingPopupMenu menu;
  a->SetPopupMenu(&menu);
  a->SetFocus();
  Forget();
  Key(WM_KEYDOWN, VK_APPS);
  EXPECT_TRUE(log.empty());
  ASSERT_EQ(menu.popups.size(), 1u);
  EXPECT_EQ(menu.popups[0].x, kFormLeft + 35);
  EXPECT_EQ(menu.popups[0].y, kFormTop + 30);
  a->SetPopupMenu(nullptr);
}

TEST_F(SceneInput, CharactersArriveWithKeyZeroAndShortcutsAsTheirLetters) {
  TvgVisualObject* a = AddFocusable("A", 10, 10);
  a->SetFocus();
  struct Case {
    wchar_t character;
    TEventLog expected;
  };
  const Case cases[] = {
      {1, {"A:KeyDown(0,97,ctrl)", "A:KeyUp(0,97)"}},
      {3, {"A:KeyDown(0,99,ctrl)", "A:KeyUp(0,99)"}},
      {22, {"A:KeyDown(0,118,ctrl)", "A:KeyUp(0,118)"}},
      {24, {"A:KeyDown(0,120,ctrl)", "A:KeyUp(0,120)"}},
      {26, {"A:KeyDown(0,122,ctrl)", "A:KeyUp(0,122)"}},
      {13, {}},
      {L'q', {"A:KeyDown(0,113,ctrl)"}},
      {L'\u4e2d', {"A:KeyDown(0,20013,ctrl)"}},
      {2, {"A:KeyDown(0,2,ctrl)"}},
  };
  HoldKeys({VK_CONTROL});
  for (const Case& c : cases) {
    Forget();
    Send(WM_CHAR, c.character);
    EXPECT_EQ(log, c.expected) << int(c.character);
  }
}

TEST_F(SceneInput, TabMovesTheFocusThroughTheCandidatesAndWraps) {
  TvgVisualObject* a = AddFocusable("A", 10, 10);
  AddFocusable("hidden", 70, 10)->SetVisible(false);
  AddFocusable("disabled", 70, 60)->SetEnabled(false);
  TvgVisualObject* plain = Add("plain", 130, 10);
  TvgVisualObject* b = AddFocusable("B", 10, 100);
  TvgVisualObject* inner = AddFocusable("inner", 5, 5, b);
  TvgVisualObject* shut = Add("shut", 130, 100);
  AddFocusable("insideDisabled", 5, 5, shut);
  shut->SetEnabled(false);
  TvgVisualObject* c = AddFocusable("C", 200, 100);
  (void)plain;
  auto focusedAfter = [&](std::initializer_list<int> held) {
    HoldKeys(held);
    Key(WM_KEYDOWN, VK_TAB);
    return scene->GetFocused();
  };
  EXPECT_EQ(focusedAfter({}), a);
  EXPECT_EQ(focusedAfter({}), b);
  EXPECT_EQ(focusedAfter({}), inner);
  EXPECT_EQ(focusedAfter({}), c);
  EXPECT_EQ(focusedAfter({}), a);
  EXPECT_EQ(focusedAfter({VK_SHIFT}), c);
  EXPECT_EQ(focusedAfter({VK_SHIFT}), inner);
  EXPECT_EQ(focusedAfter({VK_SHIFT}), b);
  Forget();
  Key(WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(log, (TEventLog{"B:KillFocus", "A:Focus"}));
}

TEST_F(SceneInput, TabWithOneCandidateKeepsItAndShiftTabFromNothingTakesTheLast) {
  TvgVisualObject* a = AddFocusable("A", 10, 10);
  HoldKeys({VK_SHIFT});
  Key(WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(scene->GetFocused(), a);
  HoldKeys({});
  Key(WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(scene->GetFocused(), a);
  EXPECT_TRUE(a->IsFocused());
}

TEST_F(SceneInput, EscapeClosesTheModalFormUnlessTheRootTakesIt) {
  TvgVisualObject* a = AddFocusable("A", 10, 10);
  a->SetFocus();
  a->OnKeyDown = [this](TObject*, uint16_t&, wchar_t& keyChar, TShiftState) {
    if (keyChar == L'q') form->SetModalResult(mrOk);
  };
  PostMessageW(Window(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(form->ShowModal(), mrCancel);

  dialogRoot->consumed = {VK_ESCAPE};
  PostMessageW(Window(), WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageW(Window(), WM_CHAR, L'q', 0);
  EXPECT_EQ(form->ShowModal(), mrOk);
}

TEST_F(SceneInput, ADraggedObjectIsDroppedOnTheObjectThatAcceptsIt) {
  auto* dragged = Add<TAutoDragObject>("D", 10, 10);
  TvgVisualObject* target = Add("T", 100, 10);
  TvgVisualObject* refusing = Add("R", 200, 10);
  auto accept = [](bool answer) {
    return [answer](TObject*, TvgDragObject*, const TvgPoint&, bool& accept) { accept = answer; };
  };
  dragged->OnDragOver = accept(true);
  target->OnDragOver = accept(true);
  refusing->OnDragOver = accept(false);
  TObject* droppedSource = nullptr;
  target->OnDragDrop = [&](TObject*, TvgDragObject* drag, const TvgPoint&) {
    log.push_back("T:DragDrop");
    droppedSource = drag->Source;
  };
  Press(30, 30);
  EXPECT_EQ(vgDraggedObject(), dragged);
  Forget();
  struct Step {
    int x, y;
    TCursor cursor;
  } const steps[] = {{35, 30, crNoDrop}, {120, 30, crDrag}, {220, 30, crNoDrop}, {121, 30, crDrag}, {122, 31, crDrag}};
  for (const Step& step : steps) {
    Move(step.x, step.y, MK_LBUTTON);
    EXPECT_EQ(scene->Cursor(), step.cursor) << step.x;
  }
  Release(122, 31);
  EXPECT_EQ(log, (TEventLog{"T:DragEnter", "T:DragLeave", "T:DragEnter", "T:DragDrop", "D:Up", "D:DragEnd"}));
  EXPECT_EQ(droppedSource, dragged);
  EXPECT_EQ(vgDraggedObject(), nullptr);
  EXPECT_EQ(vgDragTarget(), nullptr);
  EXPECT_EQ(scene->GetCaptured(), nullptr);
  EXPECT_FALSE(target->IsDragOver());
}

TEST_F(SceneInput, EmptySpaceOfAPopUpFormDoesNotMoveIt) {
  Add("A", 10, 10);
  form->SetTag(65535);
  Press(200, 150);
  Move(250, 180, MK_LBUTTON);
  Move(10, 10, MK_LBUTTON);
  Release(10, 10);
  EXPECT_EQ(form->Left(), kFormLeft);
  EXPECT_EQ(form->Top(), kFormTop);
}

}  // namespace
