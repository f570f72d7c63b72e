// Scene input with the display's real pointer and keyboard: hover, moving a borderless form by
// its empty space, resizing it by a size grip, a typed shortcut, and an OLE drag into the scene.
// These tests run one at a time with the other users of the pointer.
#include "tests/support/HandMadeData.h"
#include "tests/support/InputFixture.h"
#include "engine/scene/SizeGripInterface.h"
#include "classlib/desktop/HintWindow.h"
#include "classlib/desktop/Timer.h"

namespace {

class TSizeGripObject : public TvgVisualObject, public IvgSizeGrip {
public:
  TSizeGripObject() : TvgVisualObject(nullptr) {}
};

void SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(input));
}

void SendKey(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof(input));
}

class ScenePointer : public InputTest {
protected:
  void SetUp() override {
    InputTest::SetUp();
    form->Show();
    Application->ProcessMessages();
  }
  void TearDown() override {
    SendMouse(MOUSEEVENTF_LEFTUP);
    PointAt(-300, -200);
    PumpFor(50);
    InputTest::TearDown();
  }
  // Puts the pointer over the scene point (x, y).
  void PointAt(int x, int y) { SetCursorPos(form->Left() + x, form->Top() + y); }
  bool Seen(const std::string& event) const { return std::find(log.begin(), log.end(), event) != log.end(); }
};

TEST_F(ScenePointer, HoverFollowsThePointerAndEndsWhenItLeavesTheWindow) {
  TvgVisualObject* a = Add("A", 10, 10);
  Add("B", 100, 10);
  EXPECT_TRUE(PumpUntil([&] {
    PointAt(30, 30);
    return Seen("A:Enter");
  }));
  EXPECT_TRUE(a->IsMouseOver());
  EXPECT_TRUE(PumpUntil([&] {
    PointAt(120, 30);
    return Seen("B:Enter");
  }));
  EXPECT_TRUE(Seen("A:Leave"));
  EXPECT_TRUE(PumpUntil([&] {
    PointAt(-100, -100);
    return Seen("B:Leave");
  }));
}

TEST_F(ScenePointer, ThePointerMovesTheFormByItsEmptySpace) {
  Add("A", 10, 10);
  PointAt(200, 150);
  PumpFor(50);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpFor(50);
  for (int step = 1; step <= 4; ++step) {
    SetCursorPos(kFormLeft + 200 + 10 * step, kFormTop + 150 + 5 * step);
    PumpFor(30);
  }
  EXPECT_TRUE(PumpUntil([&] { return form->Left() == kFormLeft + 40 && form->Top() == kFormTop + 20; }))
      << form->Left() << "," << form->Top();
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpFor(50);
  SetCursorPos(kFormLeft + 300, kFormTop + 250);
  PumpFor(100);
  EXPECT_EQ(form->Left(), kFormLeft + 40);
  EXPECT_EQ(form->Width(), 300);
  EXPECT_TRUE(log.empty());
}

TEST_F(ScenePointer, ASizeGripResizesTheFormAndShowsTheSizingCursor) {
  auto* grip = new TSizeGripObject;
  grip->SetBounds(280, 180, 20, 20);
  root->AddObject(grip);
  EXPECT_TRUE(PumpUntil([&] {
    PointAt(290, 190);
    return scene->Cursor() == crSizeNWSE;
  }));
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpFor(50);
  for (int step = 1; step <= 3; ++step) {
    SetCursorPos(kFormLeft + 290 + 10 * step, kFormTop + 190 + 5 * step);
    PumpFor(30);
  }
  EXPECT_TRUE(PumpUntil([&] { return form->Width() == 330 && form->Height() == 215; }))
      << form->Width() << "x" << form->Height();
  EXPECT_EQ(form->Left(), kFormLeft);
  EXPECT_EQ(form->Top(), kFormTop);
  SendMouse(MOUSEEVENTF_LEFTUP);
}

TEST_F(ScenePointer, CtrlCTypedIntoTheFocusedObjectArrivesAsItsLetter) {
  TvgVisualObject* a = Add("A", 10, 10);
  a->SetCanFocused(true);
  a->SetFocus();
  SetForegroundWindow(form->Handle());
  scene->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Window(); }));
  SendKey(VK_CONTROL, false);
  SendKey('C', false);
  SendKey('C', true);
  SendKey(VK_CONTROL, true);
  EXPECT_TRUE(PumpUntil([&] { return Seen("A:KeyUp(0,99)"); }));
  EXPECT_TRUE(Seen("A:KeyDown(67,0,ctrl)"));
  EXPECT_TRUE(Seen("A:KeyDown(0,99,ctrl)"));
}

// Drags a text across the screen: each time the drag asks whether to go on, the pointer moves
// one step along the path; at its end the text is dropped.
class TPathDropSource : public IDropSource {
public:
  std::vector<POINT> path;
  size_t step = 0;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) {
      *object = this;
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD) override {
    if (escape) return DRAGDROP_S_CANCEL;
    if (step >= path.size()) return DRAGDROP_S_DROP;
    SetCursorPos(path[step].x, path[step].y);
    ++step;
    Sleep(20);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

TEST_F(ScenePointer, AnOleDragDropsItsTextOnTheObjectThatAcceptsIt) {
  TvgVisualObject* a = Add("A", 10, 10);
  std::wstring dropped;
  a->OnDragOver = [](TObject*, TvgDragObject*, const TvgPoint&, bool& accept) { accept = true; };
  a->OnDragDrop = [&](TObject*, TvgDragObject* drag, const TvgPoint&) { dropped = drag->Data.ToWideString(); };
  const std::wstring text = L"\u62d6\u653e";
  THandMadeData data;
  data.SetText(text);

  TPathDropSource source;
  for (int i = 0; i < 6; ++i) source.path.push_back({kFormLeft + 200 - 30 * i, kFormTop + 150 - 20 * i});
  for (int i = 0; i < 6; ++i) source.path.push_back({kFormLeft + 30, kFormTop + 30});
  PointAt(200, 150);
  PumpFor(50);
  DWORD effect = DROPEFFECT_NONE;
  const HRESULT result = DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect);
  EXPECT_EQ(result, DRAGDROP_S_DROP);
  EXPECT_EQ(effect, DWORD(DROPEFFECT_LINK));
  EXPECT_EQ(dropped, text);
  EXPECT_TRUE(Seen("A:DragEnter"));
  EXPECT_FALSE(Seen("A:DragLeave"));
  EXPECT_FALSE(a->IsDragOver());
  EXPECT_EQ(data.references, 1u);
}

// The application's hint for an object with ShowHint and Hint: shown after the pause near the
// pointer, gone when the pointer moves to an object without one and when it leaves the window.
TEST_F(ScenePointer, AHintAppearsOverAnObjectAndGoesOnLeave) {
  Application->SetHintPause(150);
  Application->SetHintHidePause(10000);
  TvgVisualObject* a = Add("A", 10, 10);
  a->SetShowHint(true);
  a->SetHint(L"Saves the file");
  Add("B", 100, 10);
  auto hintShown = [] { return Application->HintWindow() && Application->HintWindow()->Showing(); };
  EXPECT_TRUE(PumpUntil([&] {
    PointAt(30, 30);
    return hintShown();
  }));
  ASSERT_NE(Application->HintWindow(), nullptr);
  EXPECT_EQ(Application->HintWindow()->Caption(), L"Saves the file");
  EXPECT_EQ(Application->HintTimer()->Interval(), 150u);
  EXPECT_EQ(Application->HintHideTimer()->Interval(), 10000u);
  RECT placed;
  GetWindowRect(Application->HintWindow()->Handle(), &placed);
  EXPECT_GE(placed.top, form->Top() + 30) << "below the pointer";
  EXPECT_TRUE(PumpUntil([&] {
    PointAt(120, 30);
    return !hintShown();
  }));
  PumpFor(400);
  EXPECT_FALSE(hintShown()) << "the other object has no hint";
  EXPECT_TRUE(PumpUntil([&] {
    PointAt(30, 30);
    return hintShown();
  }));
  EXPECT_TRUE(PumpUntil([&] {
    PointAt(-100, -100);
    return !hintShown();
  }));
  Application->SetHintPause(500);
  Application->SetHintHidePause(2500);
}

TEST_F(ScenePointer, AHintGoesByItselfAfterTheHidePause) {
  Application->SetHintPause(50);
  Application->SetHintHidePause(300);
  TvgVisualObject* a = Add("A", 10, 10);
  a->SetShowHint(true);
  a->SetHint(L"Short-lived");
  auto hintShown = [] { return Application->HintWindow() && Application->HintWindow()->Showing(); };
  EXPECT_TRUE(PumpUntil([&] {
    PointAt(30, 30);
    return hintShown();
  }));
  EXPECT_TRUE(PumpUntil([&] { return !hintShown(); }, 3000));
  PumpFor(200);
  EXPECT_FALSE(hintShown()) << "not shown again while the pointer rests";
  Application->SetHintPause(500);
  Application->SetHintHidePause(2500);
}

}  // namespace
