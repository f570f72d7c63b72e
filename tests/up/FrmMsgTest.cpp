// The update message window made from its form resource in this process: its tree as streamed, the
// button styles of its own container, what FormCreate fills in, the hover and press animations on
// a clock advanced by hand, and the two buttons' handlers against the local update server.
#include "up/untMsg.h"

#include "classlib/desktop/Application.h"
#include "classlib/desktop/Screen.h"
#include "controls/buttons/Button.h"
#include "engine/animation/AnimationClock.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/animation/ColorAnimation.h"
#include "engine/effects/Effects.h"
#include "engine/paint/Font.h"
#include "engine/shapes/Image.h"
#include "engine/styles/Resources.h"
#include "engine/scene/Scene.h"
#include "engine/shapes/Shapes.h"
#include "engine/shapes/Text.h"
#include "toolkit/Toolkit.h"
#include "up/UpdateCheck.h"
#include "tests/support/DesktopFixture.h"
#include "LocalServer.h"
#include "TempFolder.h"

#include <cstdint>
#include <functional>
#include <string>

namespace {

uint32_t clockNow = 0;  // the animation clock's time, moved on by hand

class FrmMsgTest : public TempFolderFixture {
protected:
  static void SetUpTestSuite() {
    vgInitializeToolkit();
    Application->Initialize();
  }
  void SetUp() override {
    TempFolderFixture::SetUp();
    vgFreeAnimationClock();
    vgSetAnimationTickSource([] { return clockNow; });
  }
  void TearDown() override {
    if (form) form->Free();
    vgFreeAnimationClock();
    vgSetAnimationTickSource(nullptr);
    TempFolderFixture::TearDown();
  }

  TfrmMsg* Make(const std::string& notes = "", const std::string& installer = "") {
    UpdateNotes = notes;
    InstallerAddress = installer;
    form = TCustomForm::Create<TfrmMsg>(nullptr);
    return form;
  }
  // Made, shown off the screen (where the shared display's real pointer cannot hover over it),
  // and its buttons styled as by the first paint.
  TfrmMsg* Shown(const std::string& installer = "", const std::string& notes = "") {
    Make(notes, installer);
    form->Show();
    form->SetBounds(-1000, -1000, form->Width(), form->Height());
    Application->ProcessMessages();
    for (const char* name : {"Button1", "Button2"}) Component<TvgButton>(name)->ApplyResource();
    return form;
  }
  template <class T>
  T* Component(const char* name) const {
    return dynamic_cast<T*>(form->FindComponent(name));
  }
  TvgWindowScene* Scene() const { return Component<TvgWindowScene>("vgWindowScene1"); }
  // The scene's pixel at (x, y) of the window as RRGGBB.
  uint32_t Pixel(int x, int y) const {
    TvgCanvas* canvas = Scene()->GetCanvas();
    return canvas->BufferBits()[y * canvas->Width() + x] & 0xFFFFFF;
  }
  // Pixels darker than the card's white in the rows from top to bottom (excluded) across the notes.
  int NotesInk(int top, int bottom) const {
    int ink = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = kNotesLeft; x < kNotesLeft + 379; ++x) ink += (Pixel(x, y) & 0xFF) < 0xC0;
    return ink;
  }
  // The cells of the notes' first line, one per character of equal width, as dark-or-not pixels.
  std::vector<std::vector<bool>> FirstLineCells(const std::wstring& line) const {
    TvgCanvas* canvas = Scene()->GetCanvas();
    canvas->Font()->Assign(Component<TvgText>("Text2")->Font());
    TvgRect measured{kNotesLeft, kNotesTop, kNotesLeft + 379, kNotesBottom};
    canvas->MeasureText(measured, measured, line, false, vgTextAlignNear, vgTextAlignNear);
    const float cell = vgRectWidth(measured) / float(line.size());
    std::vector<std::vector<bool>> cells(line.size());
    for (size_t i = 0; i < line.size(); ++i)
      for (int y = kNotesTop; y < kNotesTop + 16; ++y)
        for (int x = 0; x < int(cell) - 1; ++x)
          cells[i].push_back((Pixel(int(measured.Left + float(i) * cell) + x, y) & 0xFF) < 0xC0);
    return cells;
  }
  // The notes' box in window coordinates: the card lies 10 in from the window's edges.
  static constexpr int kNotesLeft = 10 + 37, kNotesTop = 10 + 138, kNotesBottom = kNotesTop + 156;
  TvgColor Fill(const char* button) const {
    auto* background = dynamic_cast<TvgRectangle*>(Component<TvgButton>(button)->FindResource("background"));
    return background ? background->Fill()->SolidColor() : 0;
  }
  void MouseAt(int x, int y) {
    SendMessageW(Scene()->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  }
  static void Advance(uint32_t milliseconds) {
    clockNow += milliseconds;
    if (TvgAniThread* clock = vgAnimationClock()) clock->Tick();
  }
  static std::string InstallerRecord(const std::string& installer) {
    for (int attempt = 0; attempt < 200; ++attempt) {
      const std::string record = ReadBytes(installer + ".log");
      if (record.find('\n') != std::string::npos) return record;
      Sleep(50);
    }
    return {};
  }

  TfrmMsg* form = nullptr;
};

TEST_F(FrmMsgTest, IsABorderlessTransparentWindowCentredOnTheDesktop) {
  Make();
  EXPECT_EQ(form->BorderStyle(), bsNone);
  EXPECT_EQ(form->Position(), poDesktopCenter);
  EXPECT_EQ(form->Caption(), "");
  EXPECT_EQ(form->Font()->Name(), "Tahoma");
  const RECT client = form->ClientRect();
  EXPECT_EQ(client.right - client.left, 474);
  EXPECT_EQ(client.bottom - client.top, 408);
  ASSERT_NE(Scene(), nullptr);
  EXPECT_EQ(Scene()->Align(), alClient);
  EXPECT_TRUE(Scene()->Transparency());
  EXPECT_EQ(Scene()->GetStyle(), Component<TvgResources>("Resources1"));
  EXPECT_FALSE(Scene()->DesignSnapToGrid());
  EXPECT_TRUE(Scene()->DesignSnapToLines());

  form->Show();
  EXPECT_NE(GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  RECT window;
  GetWindowRect(form->Handle(), &window);
  EXPECT_EQ(window.left, Screen->DesktopLeft() + (Screen->DesktopWidth() - 474) / 2);
  EXPECT_EQ(window.top, Screen->DesktopTop() + (Screen->DesktopHeight() - 408) / 2);
}

TEST_F(FrmMsgTest, StreamsTheSceneTreeInOrder) {
  struct TNode {
    const char *Name, *Class, *Parent;
    float X, Y, Width, Height;
    bool HitTest;
  };
  const TNode tree[] = {
      {"Root1", "TvgBackground", "", 0, 0, 474, 408, false},
      {"Rectangle1", "TvgRectangle", "Root1", 10, 10, 454, 388, false},
      {"Button1", "TvgButton", "Rectangle1", 286, 315, 130, 49, true},
      {"Image1", "TvgImage", "Rectangle1", 37, 37, 72, 72, false},
      {"Text1", "TvgText", "Rectangle1", 131, 48, 182, 50, false},
      {"Text2", "TvgText", "Rectangle1", 37, 138, 379, 156, false},
      {"Button2", "TvgButton", "Rectangle1", 154, 315, 130, 49, true},
  };
  Make();
  ASSERT_EQ(Scene()->RootCount(), 1);
  int childIndex = 0;
  for (const TNode& node : tree) {
    SCOPED_TRACE(node.Name);
    auto* object = Component<TvgVisualObject>(node.Name);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->ClassName(), node.Class);
    if (*node.Parent) {
      ASSERT_EQ(object->Parent(), Component<TvgObject>(node.Parent));
      if (std::string(node.Parent) == "Rectangle1") EXPECT_EQ(object->Parent()->Children(childIndex++), object);
    } else {
      EXPECT_EQ(Scene()->Roots(0), object);
    }
    EXPECT_EQ(object->Position()->X(), node.X);
    EXPECT_EQ(object->Position()->Y(), node.Y);
    EXPECT_EQ(object->Width(), node.Width);
    EXPECT_EQ(object->Height(), node.Height);
    EXPECT_EQ(object->HitTest(), node.HitTest);
  }
}

TEST_F(FrmMsgTest, CardTitleImageAndNotesAsDesigned) {
  Make();
  auto* card = Component<TvgRectangle>("Rectangle1");
  EXPECT_EQ(card->Align(), vaClient);
  EXPECT_EQ(card->Fill()->SolidColor(), 0xFFFFFFFFu);
  EXPECT_EQ(card->Stroke()->SolidColor(), 0xFF6C6C6Cu);
  EXPECT_EQ(card->Sides(), vgAllSides);

  auto* title = Component<TvgText>("Text1");
  EXPECT_EQ(title->Text(), L"祖诺浏览器 更新");
  EXPECT_EQ(title->Fill()->SolidColor(), 0xFF5C5C5Cu);
  EXPECT_EQ(title->Font()->Size(), 16);
  EXPECT_EQ(title->Font()->Style(), vgFontBold);

  auto* image = Component<TvgImage>("Image1");
  EXPECT_EQ(image->Bitmap()->Width(), 72);
  EXPECT_EQ(image->Bitmap()->Height(), 72);
  EXPECT_EQ(image->WrapMode(), vgImageFit);

  auto* notes = Component<TvgText>("Text2");
  EXPECT_EQ(notes->HorzTextAlign(), vgTextAlignNear);
  EXPECT_EQ(notes->VertTextAlign(), vgTextAlignNear);
  EXPECT_TRUE(notes->WordWrap());
}

TEST_F(FrmMsgTest, ButtonsTakeTheirLooksFromTheFormsOwnStyles) {
  struct TButton {
    const char *Name, *Resource;
    const wchar_t* Text;
    TvgColor DesignFill, RestingFill, TextFill;
  };
  const TButton buttons[] = {
      {"Button1", "Button1Style1", L"立即更新", 0xFF337AB7, 0xFF337AB7, 0xFFE0E0E0},
      {"Button2", "Button2Style1", L"暂不更新", 0xFFBEBEBE, 0xFFBEBEBE, 0xFFFFFFFF},
  };
  Shown();
  Advance(250);
  auto* styles = Component<TvgResources>("Resources1");
  ASSERT_NE(styles->Root(), nullptr);
  for (const TButton& expected : buttons) {
    SCOPED_TRACE(expected.Name);
    auto* button = Component<TvgButton>(expected.Name);
    EXPECT_EQ(button->Resource(), expected.Resource);
    EXPECT_EQ(button->Text(), expected.Text);
    EXPECT_EQ(button->Cursor(), crHandPoint);
    EXPECT_FALSE(button->StaysPressed());
    EXPECT_EQ(button->TextAlign(), vgTextAlignCenter);
    TvgObject* style = styles->Root()->FindResource(expected.Resource);
    ASSERT_NE(style, nullptr);
    auto* design = dynamic_cast<TvgRectangle*>(style->FindResource("background"));
    ASSERT_NE(design, nullptr);
    EXPECT_EQ(design->Fill()->SolidColor(), expected.DesignFill);
    ASSERT_NE(button->StyleObject(), nullptr);
    EXPECT_EQ(Fill(expected.Name), expected.RestingFill);
    auto* caption = dynamic_cast<TvgText*>(button->FindResource("text"));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->Fill()->SolidColor(), expected.TextFill);
    EXPECT_EQ(caption->Text(), expected.Text);
  }
}

TEST_F(FrmMsgTest, UpdateButtonStyleAnimatesItsFillAndGlowsWhenFocused) {
  Make();
  TvgObject* style = Component<TvgResources>("Resources1")->Root()->FindResource("Button1Style1");
  ASSERT_NE(style, nullptr);
  TvgObject* background = style->FindResource("background");
  ASSERT_NE(background, nullptr);
  struct TAnimation {
    const char *Trigger, *Inverse, *Start, *Stop;
  };
  const TAnimation animations[] = {
      {"IsMouseOver=true;IsPressed=false", "IsMouseOver=false;IsPressed=false", "#FF2E6DA4", "#FF337AB7"},
      {"IsPressed=true", "IsPressed=false", "#FF337AB7", "#FF2E6DA4"},
  };
  ASSERT_EQ(background->ChildrenCount(), 2);
  for (int i = 0; i < 2; ++i) {
    auto* animation = dynamic_cast<TvgColorAnimation*>(background->Children(i));
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(animation->Duration(), 0.2f);
    EXPECT_EQ(animation->Trigger(), animations[i].Trigger);
    EXPECT_EQ(animation->TriggerInverse(), animations[i].Inverse);
    EXPECT_EQ(animation->StartValue(), animations[i].Start);
    EXPECT_EQ(animation->StopValue(), animations[i].Stop);
    EXPECT_EQ(animation->PropertyName(), "Fill.Color");
  }
  TvgGlowEffect* glow = nullptr;
  for (int i = 0; i < style->ChildrenCount() && !glow; ++i) glow = dynamic_cast<TvgGlowEffect*>(style->Children(i));
  ASSERT_NE(glow, nullptr);
  EXPECT_EQ(glow->Trigger(), "IsFocused=true");
  EXPECT_FALSE(glow->Enabled());
  EXPECT_EQ(glow->Softness(), 0.2f);
  EXPECT_EQ(glow->Opacity(), 0.9f);
  EXPECT_EQ(glow->GlowColor(), "#FFF69E2D");

  TvgObject* declineStyle = Component<TvgResources>("Resources1")->Root()->FindResource("Button2Style1");
  ASSERT_NE(declineStyle, nullptr);
  EXPECT_EQ(declineStyle->FindResource("background")->ChildrenCount(), 0);
}

// The button rests in its style's own colour: applying the style reaches the inverse triggers,
// which have no hover or press to take back. Hovering runs the fill from 2E6DA4 to 337AB7,
// leaving takes it back to 2E6DA4.
TEST_F(FrmMsgTest, HoverAndPressRunTheUpdateButtonsColourAnimations) {
  Shown();
  Advance(250);
  ASSERT_EQ(Fill("Button1"), 0xFF337AB7u);
  const struct {
    const char* Step;
    std::function<void()> Act;
    TvgColor From, To;
  } steps[] = {
      {"entering", [&] { MouseAt(360, 350); }, 0xFF2E6DA4, 0xFF337AB7},
      {"leaving", [&] { MouseAt(230, 40); }, 0xFF337AB7, 0xFF2E6DA4},  // the card lets the pointer through
      {"entering again", [&] { MouseAt(360, 350); }, 0xFF2E6DA4, 0xFF337AB7},
      {"pressing", [&] { SendMessageW(Scene()->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(360, 350)); },
       0xFF337AB7, 0xFF2E6DA4},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.Step);
    step.Act();
    EXPECT_EQ(Fill("Button1"), step.From);
    Advance(100);
    EXPECT_NE(Fill("Button1"), step.From);
    EXPECT_NE(Fill("Button1"), step.To);
    Advance(150);
    EXPECT_EQ(Fill("Button1"), step.To);
  }
  MouseAt(220, 350);  // over Button2, which has no animation
  Advance(250);
  EXPECT_EQ(Fill("Button2"), 0xFFBEBEBEu);
}

TEST_F(FrmMsgTest, CreationPutsTheNotesIntoTheBody) {
  const struct {
    std::string Notes;
    std::wstring Shown;
  } cases[] = {
      {"修复了若干问题。\n提升了网页加载速度。\r\nKest 1.0.1.0", L"修复了若干问题。\n提升了网页加载速度。\r\nKest 1.0.1.0"},
      {"", L""},
  };
  for (const auto& c : cases) {
    Make(c.Notes);
    EXPECT_EQ(Component<TvgText>("Text2")->Text(), c.Shown);
    EXPECT_EQ(Component<TvgText>("Text1")->Text(), L"祖诺浏览器 更新") << "the rest stays";
    form->Free();
    form = nullptr;
  }
}

// Notes longer than their box shows end in an ellipsis where the rest would run out of the box
// and stop above the buttons; the window paints at once whatever their length.
TEST_F(FrmMsgTest, LongNotesAreCutWithAnEllipsisInsideTheirBox) {
  std::string lines;
  for (int i = 1; i <= 300; ++i) lines += "\xE7\xAC\xAC" + std::to_string(i) + " Kest brings faster page loading.\n";  // 第
  const struct {
    const char* Case;
    std::string Notes;
    std::wstring Beginning;
  } cases[] = {
      {"300 lines", lines, L"\u7B2C1 Kest brings faster page loading.\n\u7B2C2 Kest"},
      {"2 MB in one line", std::string(2'000'000, 'k'), L"kkkkkkkkkk"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    Shown("", c.Notes);
    ASSERT_TRUE(PumpUntil([&] { return Pixel(240, 40) == 0xFFFFFF; })) << "the card was not painted";
    const std::wstring& shown = Component<TvgText>("Text2")->Text();
    EXPECT_EQ(shown.substr(0, c.Beginning.size()), c.Beginning);
    EXPECT_EQ(shown.back(), L'\u2026');
    EXPECT_LT(shown.size(), 12u * 381);
    EXPECT_TRUE(Component<TvgText>("Text2")->ClipChildren());
    EXPECT_GT(NotesInk(kNotesTop, kNotesTop + 14), 100) << "the first line";
    EXPECT_GT(NotesInk(kNotesBottom - 26, kNotesBottom), 100) << "the box is filled to its bottom";
    EXPECT_EQ(NotesInk(kNotesBottom, 10 + 315), 0) << "nothing runs out of the box towards the buttons";
    form->Free();
    form = nullptr;
  }
}

// The notes of a document in UTF-8 and of one in the system code page of Chinese Windows (GBK)
// reach the window alike, drawn in real glyphs: a font without them would draw identical boxes.
TEST_F(FrmMsgTest, ShowsTheChineseNotesOfUtf8AndGbkDocuments) {
  const struct {
    const char* Encoding;
    std::string Document;
  } cases[] = {
      {"UTF-8", "{\"version\":\"9.0.0.0\",\"info\":\"\xE4\xBF\xAE\xE5\xA4\x8D\xE4\xBA\x86\xE9\x97\xAE\xE9\xA2\x98\\n\xE6\x96\xB0\"}"},
      {"GBK", "{\"version\":\"9.0.0.0\",\"info\":\"\xD0\xDE\xB8\xB4\xC1\xCB\xCE\xCA\xCC\xE2\\n\xD0\xC2\"}"},
  };
  std::vector<std::vector<bool>> firstCase;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Encoding);
    const TUpdateDecision decision = DecideUpdate(c.Document, "1.0.0.0");
    ASSERT_TRUE(decision.Due);
    Shown("", decision.Notes);
    ASSERT_TRUE(PumpUntil([&] { return Pixel(240, 40) == 0xFFFFFF; })) << "the card was not painted";
    EXPECT_EQ(Component<TvgText>("Text2")->Text(), L"修复了问题\n新");
    const std::vector<std::vector<bool>> cells = FirstLineCells(L"修复了问题");
    for (size_t i = 1; i < cells.size(); ++i) EXPECT_NE(cells[0], cells[i]) << "cell " << i << " looks like cell 0";
    if (firstCase.empty()) firstCase = cells;
    else EXPECT_EQ(cells, firstCase) << "drawn unlike the UTF-8 notes";
    form->Free();
    form = nullptr;
  }
}

// A character beyond the Basic Multilingual Plane in the notes is one glyph in one cell between
// its neighbours, not two boxes.
TEST_F(FrmMsgTest, ShowsAFaceInTheNotesAsOneGlyph) {
  Shown("", "I\xF0\x9F\x98\x80I");
  ASSERT_TRUE(PumpUntil([&] { return Pixel(240, 40) == 0xFFFFFF; })) << "the card was not painted";
  std::vector<std::pair<int, int>> runs;  // columns with ink in the first line, as [first, last]
  for (int x = kNotesLeft; x < kNotesLeft + 379; ++x) {
    bool inked = false;
    for (int y = kNotesTop; y < kNotesTop + 16 && !inked; ++y) inked = (Pixel(x, y) & 0xFF) < 0xC0;
    if (!inked) continue;
    if (!runs.empty() && runs.back().second == x - 1) runs.back().second = x;
    else runs.push_back({x, x});
  }
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_GE(runs[1].second - runs[1].first + 1, 7);
  EXPECT_LE(runs[1].second - runs[1].first + 1, 14);
}

TEST_F(FrmMsgTest, CreationHidesTheTaskbarButtonAndTakesTheSystemsHandCursor) {
  Make();
  EXPECT_NE(GetWindowLongA(Application->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  EXPECT_EQ(Screen->Cursors(crHandPoint), LoadCursorA(nullptr, IDC_HAND));
}

TEST_F(FrmMsgTest, NotNowClosesTheWindowAndCreatesNoFile) {
  Shown(ServerUrl("/installer.exe"));
  form->Button2Click(nullptr);
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(PathExists(Folder() + "0.exe"));
}

TEST_F(FrmMsgTest, UpdateNowDownloadsTheInstallerStartsItSilentlyAndCloses) {
  Shown(ServerUrl("/installer.exe"));
  form->Button1Click(nullptr);
  EXPECT_FALSE(form->Visible());
  const std::string installer = Folder() + "0.exe";
  EXPECT_EQ(ReadBytes(installer).substr(0, 2), "MZ");
  const std::string record = InstallerRecord(installer);
  EXPECT_NE(record.find("0.exe\" /VERYSILENT\r\n"), std::string::npos) << record;
}

// The window comes back rather than leaving up running with nothing on screen.
TEST_F(FrmMsgTest, FailedDownloadStartsNothingAndShowsTheWindowAgain) {
  Shown("http://127.0.0.1:" + std::to_string(ClosedPort()) + "/installer.exe");
  form->Button1Click(nullptr);
  EXPECT_TRUE(form->Visible());
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(ReadBytes(Folder() + "0.exe"), "") << "the empty download stays";
  Sleep(300);
  EXPECT_FALSE(PathExists(Folder() + "0.exe.log"));
}

// A download that stalls half way gives up after the stall limit, and the window comes back.
TEST_F(FrmMsgTest, StalledDownloadGivesUpAndShowsTheWindowAgain) {
  const TInetTimeouts shipped = InstallerTimeouts;
  InstallerTimeouts = {1000, 1000, 1000};
  Shown(ServerUrl("/stall/200000"));
  const DWORD start = GetTickCount();
  form->Button1Click(nullptr);
  const DWORD elapsed = GetTickCount() - start;
  InstallerTimeouts = shipped;
  EXPECT_LT(elapsed, 8000u);
  EXPECT_TRUE(form->Visible());
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  const std::string part = ReadBytes(Folder() + "0.exe");
  EXPECT_GT(part.size(), 0u);
  EXPECT_LT(part.size(), 200000u);
  Sleep(300);
  EXPECT_FALSE(PathExists(Folder() + "0.exe.log"));
}

TEST(InstallerTimeouts, AreTheShippedDownloadTimeoutsUnlessSet) {
  EXPECT_EQ(InstallerTimeouts.Connect, 30000);
  EXPECT_EQ(InstallerTimeouts.Send, 30000);
  EXPECT_EQ(InstallerTimeouts.Receive, 60000);
}

}  // namespace
