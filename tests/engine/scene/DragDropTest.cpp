// Drag and drop into a scene through its OLE drop target, with hand-made data objects: file
// lists and texts read from them (also broken ones), the target that accepts, its enter, leave
// and drop, and the effects answered.
#include "tests/support/HandMadeData.h"
#include "tests/support/InputFixture.h"

namespace {

std::vector<uint8_t> FileListBytes(DWORD offset, bool wide, const std::vector<uint8_t>& names) {
  DROPFILES header{};
  header.pFiles = offset;
  header.fWide = wide;
  std::vector<uint8_t> bytes(sizeof(header) + names.size());
  std::memcpy(bytes.data(), &header, sizeof(header));
  std::copy(names.begin(), names.end(), bytes.begin() + sizeof(header));
  return bytes;
}

TEST(DragData, AFileListGivesAllNamesAndTheFirstAsTheValue) {
  THandMadeData data;
  data.SetFiles({L"C:\\a\\\u4e2d\u6587.txt", L"C:\\b.png"});
  data.SetText(L"ignored");
  const TvgDragObject drag = vgReadDragData(&data);
  EXPECT_EQ(drag.Files, (std::vector<std::wstring>{L"C:\\a\\\u4e2d\u6587.txt", L"C:\\b.png"}));
  EXPECT_EQ(drag.Data.ToWideString(), L"C:\\a\\\u4e2d\u6587.txt");
  EXPECT_EQ(drag.Source, nullptr);
}

TEST(DragData, WithoutFilesTheTextIsTheValue) {
  THandMadeData data;
  data.SetText(L"dragged \u6587\u5b57");
  const TvgDragObject drag = vgReadDragData(&data);
  EXPECT_TRUE(drag.Files.empty());
  EXPECT_EQ(drag.Data.ToWideString(), L"dragged \u6587\u5b57");
  THandMadeData nothing;
  EXPECT_TRUE(vgReadDragData(&nothing).Data.IsEmpty());
  EXPECT_TRUE(vgReadDragData(nullptr).Data.IsEmpty());
}

TEST(DragData, FileListsAreReadWithinTheirMemoryWhateverTheySay) {
  const std::string ansi = std::string("C:\\one.txt") + '\0' + "C:\\two.txt" + '\0' + '\0';
  const std::wstring unterminated = L"C:\\no-end";
  std::vector<uint8_t> unterminatedBytes(reinterpret_cast<const uint8_t*>(unterminated.data()),
                                         reinterpret_cast<const uint8_t*>(unterminated.data() + unterminated.size()));
  const std::wstring longName(400, L'x');
  std::vector<uint8_t> longBytes;
  THandMadeData::AppendWide(longBytes, longName);
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    std::vector<std::wstring> files;
  };
  const Case cases[] = {
      {"narrow names", FileListBytes(sizeof(DROPFILES), false, {ansi.begin(), ansi.end()}),
       {L"C:\\one.txt", L"C:\\two.txt"}},
      {"names running to the end of the block", FileListBytes(sizeof(DROPFILES), true, unterminatedBytes),
       {L"C:\\no-end"}},
      {"offset past the end", FileListBytes(5000, true, unterminatedBytes), {}},
      {"offset inside the header", FileListBytes(4, true, unterminatedBytes), {}},
      {"shorter than its header", {1, 2, 3}, {}},
      {"no names", FileListBytes(sizeof(DROPFILES), true, {0, 0}), {}},
      {"a name longer than a path", FileListBytes(sizeof(DROPFILES), true, longBytes), {std::wstring(260, L'x')}},
  };
  for (const Case& c : cases) {
    THandMadeData data;
    data.formats[CF_HDROP] = c.bytes;
    const TvgDragObject drag = vgReadDragData(&data);
    EXPECT_EQ(drag.Files, c.files) << c.name;
    EXPECT_EQ(drag.Data.ToWideString(), c.files.empty() ? L"" : c.files.front()) << c.name;
  }
}

class DropTarget : public InputTest {
protected:
  void SetUp() override {
    InputTest::SetUp();
    a = Add("A", 10, 10);
    b = Add("B", 100, 10);
    a->OnDragOver = [this](TObject*, TvgDragObject* drag, const TvgPoint&, bool& accept) {
      offered = *drag;
      accept = true;
    };
    target = new TvgSceneDropTarget(scene);
    data.SetFiles({L"C:\\first.txt", L"C:\\second.txt"});
  }
  void TearDown() override {
    target->Release();
    vgReleaseDragDrop();
    EXPECT_EQ(data.references, 1u) << "the data object was not let go";
    InputTest::TearDown();
  }
  // A screen point at (x, y) in the scene.
  static POINTL At(int x, int y) { return {kFormLeft + x, kFormTop + y}; }
  DWORD Enter(int x, int y) {
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
    EXPECT_EQ(target->DragEnter(&data, MK_LBUTTON, At(x, y), &effect), S_OK);
    return effect;
  }
  DWORD Over(int x, int y) {
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
    EXPECT_EQ(target->DragOver(MK_LBUTTON, At(x, y), &effect), S_OK);
    return effect;
  }
  DWORD Drop(int x, int y) {
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
    EXPECT_EQ(target->Drop(&data, 0, At(x, y), &effect), S_OK);
    return effect;
  }

  TvgVisualObject* a = nullptr;
  TvgVisualObject* b = nullptr;
  TvgSceneDropTarget* target = nullptr;
  THandMadeData data;
  TvgDragObject offered;
};

TEST_F(DropTarget, TheAcceptingObjectUnderTheDragIsTheTargetAndGetsTheDrop) {
  TvgDragObject dropped;
  TvgPoint droppedAt;
  a->OnDragDrop = [&](TObject*, TvgDragObject* drag, const TvgPoint& point) {
    log.push_back("A:DragDrop");
    dropped = *drag;
    droppedAt = point;
  };
  EXPECT_EQ(Enter(200, 150), DWORD(DROPEFFECT_NONE));
  EXPECT_EQ(Over(200, 150), DWORD(DROPEFFECT_NONE));
  EXPECT_EQ(Over(30, 25), DWORD(DROPEFFECT_LINK));
  EXPECT_TRUE(a->IsDragOver());
  EXPECT_EQ(vgDragTarget(), a);
  EXPECT_EQ(offered.Files.size(), 2u);
  EXPECT_EQ(Over(120, 25), DWORD(DROPEFFECT_NONE));
  EXPECT_FALSE(a->IsDragOver());
  EXPECT_EQ(Over(31, 26), DWORD(DROPEFFECT_LINK));
  EXPECT_EQ(Drop(32, 27), DWORD(DROPEFFECT_LINK));
  EXPECT_EQ(log, (TEventLog{"A:DragEnter", "A:DragLeave", "A:DragEnter", "A:DragDrop"}));
  EXPECT_FALSE(a->IsDragOver());
  EXPECT_EQ(vgDragTarget(), nullptr);
  EXPECT_EQ(dropped.Files, (std::vector<std::wstring>{L"C:\\first.txt", L"C:\\second.txt"}));
  EXPECT_EQ(dropped.Data.ToWideString(), L"C:\\first.txt");
  EXPECT_FLOAT_EQ(droppedAt.X, 32);
  EXPECT_FLOAT_EQ(droppedAt.Y, 27);
}

TEST_F(DropTarget, LeavingTellsTheTargetAndADropOnNothingDropsNothing) {
  Enter(30, 25);
  Over(30, 25);
  target->DragLeave();
  EXPECT_EQ(log, (TEventLog{"A:DragEnter", "A:DragLeave"}));
  EXPECT_EQ(vgDragTarget(), nullptr);
  Enter(120, 25);
  Over(120, 25);
  EXPECT_EQ(Drop(120, 25), DWORD(DROPEFFECT_NONE));
  EXPECT_EQ(log.size(), 2u);
}

TEST_F(DropTarget, AFreedTargetIsForgotten) {
  Enter(30, 25);
  Over(30, 25);
  a->Free();
  EXPECT_EQ(vgDragTarget(), nullptr);
  EXPECT_EQ(Drop(30, 25), DWORD(DROPEFFECT_NONE));
}

TEST_F(DropTarget, AFailingHandlerRefusesTheDrop) {
  a->OnDragOver = [](TObject*, TvgDragObject*, const TvgPoint&, bool&) { throw std::runtime_error("broken"); };
  Enter(30, 25);
  DWORD effect = DROPEFFECT_LINK;
  EXPECT_EQ(target->DragOver(MK_LBUTTON, At(30, 25), &effect), E_UNEXPECTED);
  EXPECT_EQ(effect, DWORD(DROPEFFECT_NONE));
  target->DragLeave();
}

TEST_F(DropTarget, ASceneWithoutObjectsTakesNothing) {
  root->Free();
  EXPECT_EQ(Enter(30, 25), DWORD(DROPEFFECT_NONE));
  EXPECT_EQ(Over(30, 25), DWORD(DROPEFFECT_NONE));
  target->DragLeave();
}

TEST_F(DropTarget, ATargetWhoseSceneWentRefusesTheDrop) {
  Enter(30, 25);
  Over(30, 25);
  target->Detach();
  EXPECT_EQ(Over(30, 25), DWORD(DROPEFFECT_NONE));
  EXPECT_EQ(Drop(30, 25), DWORD(DROPEFFECT_NONE));
  EXPECT_EQ(log, (TEventLog{"A:DragEnter"}));
}

}  // namespace
