// The path designer's Paste against the system clipboard: the clipboard's text replaces the whole
// path text, wherever the caret and whatever the selection, and the preview follows.
#include <gtest/gtest.h>

#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Clipboard.h"
#include "controls/editors/PathDataDesigner.h"
#include "controls/memo/Memo.h"
#include "engine/paint/PathData.h"
#include "engine/shapes/Path.h"
#include "tests/controls/editors/EditorFixture.h"

namespace {

class PathDataDesignerPaste : public EditorTest<TvgPathDataDesigner> {
protected:
  TvgPathDataDesigner*& designer = editor;
};

TEST_F(PathDataDesignerPaste, ReplacesTheWholeTextNotJustTheSelection) {
  designer->Memo()->SetText(L"M 0 0 L 5 5\r\nL 9 9");
  designer->Memo()->SetSelection({0, 2}, {0, 3});
  designer->Memo()->SetCaretPos({1, 1});
  Clipboard().SetAsText(L"M 2 2 L 30 2 L 30 30 Z");
  designer->Button1Click(nullptr);
  EXPECT_EQ(designer->Memo()->Text(), L"M 2 2 L 30 2 L 30 30 Z");
  TvgPathData expected;
  expected.SetData("M 2 2 L 30 2 L 30 30 Z");
  EXPECT_EQ(designer->Preview()->Data()->Data(), expected.Data());
}

}  // namespace
