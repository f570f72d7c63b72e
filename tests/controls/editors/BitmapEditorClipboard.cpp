// The bitmap editor's Paste against the system clipboard: a picture block replaces the working
// bitmap and drops the crop frame; a short block is refused with a message and changes nothing.
// These tests own the clipboard while they run (lock "kest_clipboard").
#include <gtest/gtest.h>
#include "classlib/desktop/Win32.h"

#include <cstring>
#include <vector>

#include "controls/editors/BitmapEditor.h"
#include "engine/design/Selection.h"
#include "engine/paint/Bitmap.h"
#include "tests/controls/editors/EditorFixture.h"

namespace {

// A top-down 3 x 2 picture without alpha; rowsKept below 2 cuts the block short while its header
// still claims both rows.
void PutPicture(int rowsKept = 2) {
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof(header);
  header.biWidth = 3;
  header.biHeight = -2;
  header.biPlanes = 1;
  header.biBitCount = 32;
  const uint32_t rows[2][3] = {{0x00FF0000, 0x0000FF00, 0x000000FF}, {0x00101010, 0x00202020, 0x00303030}};
  const size_t size = sizeof(header) + sizeof(rows[0]) * size_t(rowsKept);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  ASSERT_NE(block, nullptr);
  auto* bytes = static_cast<uint8_t*>(GlobalLock(block));
  std::memcpy(bytes, &header, sizeof(header));
  std::memcpy(bytes + sizeof(header), rows, size - sizeof(header));
  GlobalUnlock(block);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  ASSERT_NE(SetClipboardData(CF_DIB, block), nullptr);
  CloseClipboard();
}

class BitmapEditorPaste : public EditorTest<TvgBitmapEditor> {
protected:
  void SetUp() override {
    EditorTest::SetUp();
    picture.SetSize(40, 30);
    picture.Clear(0xFF445566);
    editor->LoadBitmap(&picture);
    editor->cropButtonClick(nullptr);
  }
  std::vector<TvgColor> Working() const {
    const TvgBitmap& bitmap = *editor->WorkingBitmap();
    return {bitmap.Bits(), bitmap.Bits() + size_t(bitmap.Width()) * size_t(bitmap.Height())};
  }

  TvgBitmap picture;
};

TEST_F(BitmapEditorPaste, APictureReplacesTheBitmapAndDropsTheFrame) {
  PutPicture();
  editor->btnPasteClick(nullptr);
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(editor->WorkingBitmap()->Width(), 3);
  EXPECT_EQ(Working(), (std::vector<TvgColor>{0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF101010, 0xFF202020, 0xFF303030}));
  EXPECT_EQ(editor->CropFrame(), nullptr);
  TvgBitmap stored;
  editor->StoreBitmap(&stored);
  EXPECT_EQ(stored.Width(), 3);
  EXPECT_EQ(stored.Height(), 2);
}

TEST_F(BitmapEditorPaste, AShortBlockIsReportedAndChangesNothing) {
  PutPicture(1);
  editor->btnPasteClick(nullptr);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(editor->WorkingBitmap()->Width(), 40);
  EXPECT_EQ(Working(), std::vector<TvgColor>(40 * 30, 0xFF445566));
  EXPECT_NE(editor->CropFrame(), nullptr);
}

}  // namespace
