// The path designer on its streamed form: typed text redraws the preview at once (before the
// memo loses the focus), OK sets the edited path, Cancel leaves it as it was.
#include <gtest/gtest.h>
#include "classlib/desktop/Win32.h"

#include <functional>
#include <string>

#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Timer.h"
#include "controls/editors/PathDataDesigner.h"
#include "controls/memo/Memo.h"
#include "engine/paint/PathData.h"
#include "engine/scene/Scene.h"
#include "engine/shapes/Path.h"
#include "tests/controls/editors/EditorFixture.h"

namespace {

// The text form a path takes after parsing text.
std::string Parsed(const std::string& text) {
  TvgPathData path;
  path.SetData(text);
  return path.Data();
}

class PathDataDesignerTest : public EditorTest<TvgPathDataDesigner> {
protected:
  // Characters as the keyboard sends them to the scene's window, the memo holding the focus.
  void Type(const std::wstring& text) {
    auto* scene = dynamic_cast<TvgWindowScene*>(designer->FindComponent("vgScene1"));
    ASSERT_NE(scene, nullptr);
    for (wchar_t c : text) SendMessageW(scene->Handle(), WM_CHAR, WPARAM(c), 0);
  }
  // Runs the dialog modally; once it is up, the user does what act says.
  bool RunWith(TvgPathData& path, const std::function<void()>& act) {
    TTimer user(nullptr);
    user.SetInterval(20);
    user.SetOnTimer([&](TObject*) {
      user.SetEnabled(false);
      act();
    });
    user.SetEnabled(true);
    return designer->Execute(path);
  }

  TvgPathDataDesigner*& designer = editor;
};

TEST_F(PathDataDesignerTest, OpensOnTheMemoWithAnEmptyPreview) {
  EXPECT_EQ(designer->Caption(), "Path Designer");
  auto* scene = dynamic_cast<TvgWindowScene*>(designer->FindComponent("vgScene1"));
  EXPECT_EQ(scene->ActiveControl(), designer->Memo());
  EXPECT_TRUE(designer->Preview()->Data()->IsEmpty());
}

TEST_F(PathDataDesignerTest, TypingRedrawsThePreviewBeforeTheFocusLeaves) {
  designer->Show();
  Application->ProcessMessages();
  ASSERT_TRUE(designer->Memo()->IsFocused());
  Type(L"M 0 0 L 10 0 L 10 10");
  EXPECT_TRUE(designer->Memo()->IsFocused());
  EXPECT_EQ(designer->Preview()->Data()->Data(), Parsed("M 0 0 L 10 0 L 10 10"));
  Type(L" Z");
  EXPECT_EQ(designer->Preview()->Data()->Data(), Parsed("M 0 0 L 10 0 L 10 10 Z"));
}

TEST_F(PathDataDesignerTest, OkSetsThePathFromTheEditedText) {
  TvgPathData path;
  path.SetData("M 0 0 L 5 5");
  std::wstring shown;
  EXPECT_TRUE(RunWith(path, [&] {
    shown = designer->Memo()->Text();
    designer->Memo()->SetText(L"M 1 1 L 20 1 L 20 20 Z");
    designer->Button2Click(nullptr);
  }));
  EXPECT_EQ(Utf16ToGbk(shown), Parsed("M 0 0 L 5 5")) << "the memo starts with the path's text";
  EXPECT_EQ(path.Data(), Parsed("M 1 1 L 20 1 L 20 20 Z"));
}

TEST_F(PathDataDesignerTest, CancelLeavesThePathUnchanged) {
  TvgPathData path;
  path.SetData("M 0 0 L 5 5");
  const std::string before = path.Data();
  EXPECT_FALSE(RunWith(path, [&] {
    designer->Memo()->SetText(L"M 1 1 L 20 1 L 20 20 Z");
    designer->Button3Click(nullptr);
  }));
  EXPECT_EQ(path.Data(), before);
  EXPECT_EQ(designer->Preview()->Data()->Data(), Parsed("M 1 1 L 20 1 L 20 20 Z")) << "the preview followed";
}

}  // namespace
