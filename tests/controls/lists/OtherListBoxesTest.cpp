// The list box in its other shapes, on a real scene styled by the default style: the string
// list box built from texts, the horizontal list box and the image list boxes showing picture
// files.
#include <gtest/gtest.h>

#include "classlib/desktop/Win32.h"

#include <string>
#include <vector>

#include "classlib/core/TextCodec.h"
#include "controls/lists/HorzListBox.h"
#include "controls/lists/ImageListBox.h"
#include "controls/lists/StringListBox.h"
#include "controls/tracks/ScrollBar.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Font.h"
#include "engine/scene/DragDrop.h"
#include "engine/paint/Brush.h"
#include "engine/shapes/Image.h"
#include "engine/shapes/Shape.h"
#include "engine/shapes/Text.h"
#include "engine/values/WideStrings.h"
#include "tests/support/ControlsFixture.h"

namespace {

class StringListBoxTest : public ControlsTest {
protected:
  TvgStringListBox* NewList(const std::wstring& lines, float height = 120) {
    auto* list = Add<TvgStringListBox>(10, 10, 150, height);
    list->Items()->SetTextStr(lines);
    return list;
  }
  static std::vector<std::wstring> Shown(TvgListBox* list) {
    std::vector<std::wstring> texts;
    for (int i = 0; i < list->GetCount(); ++i) texts.push_back(list->ItemByIndex(i)->Text());
    return texts;
  }
};

using Texts = std::vector<std::wstring>;

TEST_F(StringListBoxTest, EveryTextBecomesAnItemOfTheItemStyle) {
  TvgStringListBox* list = NewList(L"red\r\ngreen\r\nblue");
  EXPECT_EQ(Shown(list), (Texts{L"red", L"green", L"blue"}));
  TvgListBoxItem* item = list->ItemByIndex(1);
  item->ApplyResource();
  ASSERT_NE(item->StyleObject(), nullptr);
  auto* text = dynamic_cast<TvgText*>(item->FindResource("text"));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Text(), L"green");
  EXPECT_EQ(item->Resource(), "listboxitemstyle");
  EXPECT_FLOAT_EQ(item->Height(), 19.0f);
  EXPECT_FLOAT_EQ(item->Position()->Y(), 19.0f);
  EXPECT_FALSE(item->Stored());
}

TEST_F(StringListBoxTest, ChangingTheTextsKeepsTheSelectedIndexAndTheScrollPosition) {
  std::wstring lines;
  for (int i = 0; i < 40; ++i) lines += L"line " + std::to_wstring(i) + L"\r\n";
  TvgStringListBox* list = NewList(lines);
  list->SetItemIndex(30);
  auto* bar = dynamic_cast<TvgScrollBar*>(list->VScrollBar());
  ASSERT_NE(bar, nullptr);
  const float scrolled = bar->Value();
  ASSERT_GT(scrolled, 0);
  std::vector<TObject*> changes;
  list->OnChange = [&](TObject* sender) { changes.push_back(sender); };
  list->Items()->Put(5, L"renamed");
  EXPECT_EQ(list->ItemIndex(), 30);
  EXPECT_TRUE(list->ItemByIndex(30)->IsSelected());
  EXPECT_EQ(list->ItemByIndex(5)->Text(), L"renamed");
  EXPECT_FLOAT_EQ(bar->Value(), scrolled);
  EXPECT_TRUE(changes.empty()) << "the same index stays selected";
}

TEST_F(StringListBoxTest, DataIsTheTextAtTheSelectedIndex) {
  TvgStringListBox* list = NewList(L"red\r\ngreen");
  EXPECT_EQ(list->GetData().ToWideString(), L"");
  list->SetData(Variant(std::wstring(L"ignored")));
  EXPECT_EQ(list->Items()->Text(), L"red\r\ngreen\r\n");
  list->SetItemIndex(1);
  EXPECT_EQ(list->GetData().ToWideString(), L"green");
  list->SetData(Variant(std::wstring(L"teal")));
  EXPECT_EQ(list->Items()->Get(1), L"teal");
  EXPECT_EQ(list->ItemByIndex(1)->Text(), L"teal");
  EXPECT_EQ(list->ItemIndex(), 1);
}

TEST_F(StringListBoxTest, SortedSortsTheTextsAndAnUpdateRebuildsOnce) {
  TvgStringListBox* list = NewList(L"pear\r\nApple\r\nfig");
  list->SetSorted(true);
  EXPECT_EQ(Shown(list), (Texts{L"Apple", L"fig", L"pear"}));
  EXPECT_EQ(list->Items()->Get(0), L"Apple");

  TvgListBoxItem* before = list->ItemByIndex(0);
  list->BeginUpdate();
  list->Items()->Add(L"banana");
  list->Items()->Add(L"cherry");
  EXPECT_EQ(list->GetCount(), 3) << "nothing is rebuilt inside the update";
  EXPECT_EQ(list->ItemByIndex(0), before);
  list->EndUpdate();
  EXPECT_EQ(Shown(list), (Texts{L"Apple", L"banana", L"cherry", L"fig", L"pear"}));
}

TEST_F(StringListBoxTest, TheFontAndAlignmentReachEveryItem) {
  TvgStringListBox* list = NewList(L"a\r\nb");
  list->Font()->SetSize(15);
  for (int i = 0; i < list->GetCount(); ++i) EXPECT_EQ(list->ItemByIndex(i)->Font()->Size(), 15);
  list->SetTextAlign(vgTextAlignFar);
  for (int i = 0; i < list->GetCount(); ++i) {
    EXPECT_EQ(list->ItemByIndex(i)->TextAlign(), vgTextAlignFar);
    EXPECT_EQ(list->ItemByIndex(i)->Font()->Size(), 15);
  }
}

// The HUD styles draw a translucent frame of white.
TvgColor FrameColor(TvgControl* control) {
  auto* background = dynamic_cast<TvgShape*>(control->FindResource("background"));
  return background ? background->Stroke()->SolidColor() : 0;
}

TEST_F(StringListBoxTest, EveryShapeOfListFindsItsStyleAndTheHudOnesTheHudLook) {
  struct Case {
    const char* className;
    const char* resource;
    bool hud;
  } cases[] = {
      {"TvgStringListBox", "listboxstyle", false},        {"TvgHudStringListBox", "hudlistboxstyle", true},
      {"TvgHorzListBox", "listboxstyle", false},          {"TvgHudHorzListBox", "hudlistboxstyle", true},
      {"TvgImageListBox", "listboxstyle", false},         {"TvgHudImageListBox", "HudListBoxStyle", true},
      {"TvgHorzImageListBox", "ListBoxStyle", false},     {"TvgHudHorzImageListBox", "HudListBoxStyle", true},
      {"TvgHudListBox", "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.className);
    auto* list = dynamic_cast<TvgListBox*>(GetClass(c.className)->Construct(nullptr));
    ASSERT_NE(list, nullptr);
    root->AddObject(list);
    list->ApplyResource();
    EXPECT_EQ(list->Resource(), c.resource);
    ASSERT_NE(list->StyleObject(), nullptr);
    EXPECT_NE(list->FindResource("selection"), nullptr);
    EXPECT_EQ(FrameColor(list) == 0x90FFFFFFu, c.hud) << std::hex << FrameColor(list);
  }
}

TEST_F(StringListBoxTest, TheHudListBuildsHudItems) {
  auto* list = Add<TvgHudStringListBox>(10, 10, 150, 120);
  list->Items()->SetTextStr(L"one");
  TvgListBoxItem* item = list->ItemByIndex(0);
  item->ApplyResource();
  EXPECT_EQ(item->Resource(), "hudlistboxitemstyle");
  auto* text = dynamic_cast<TvgText*>(item->FindResource("text"));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Fill()->SolidColor(), 0xFFF0F0F0u);
}

TEST_F(StringListBoxTest, ClearingTheTextsEmptiesTheList) {
  TvgStringListBox* list = NewList(L"a\r\nb\r\nc");
  list->SetItemIndex(2);
  list->Items()->Clear();
  EXPECT_EQ(list->GetCount(), 0);
  EXPECT_EQ(list->ItemIndex(), -1);
  list->Items()->SetTextStr(L"x");
  EXPECT_EQ(list->ItemIndex(), -1);
}

// --- Horizontal list ---------------------------------------------------------------------------

TEST_F(StringListBoxTest, AHorizontalListBoxSetsItsItemsSideBySide) {
  auto* list = Add<TvgHorzListBox>(10, 10, 150, 50);
  EXPECT_EQ(list->ListStyle(), vgListHorizontal);
  float x = 0;
  for (int i = 0; i < 6; ++i) {
    auto* item = new TvgListBoxItem(nullptr);
    item->SetText(L"item");
    item->SetWidth(40);
    list->AddObject(item);
  }
  for (int i = 0; i < 6; ++i, x += 40) {
    EXPECT_FLOAT_EQ(list->ItemByIndex(i)->Position()->X(), x) << i;
    EXPECT_FLOAT_EQ(list->ItemByIndex(i)->Position()->Y(), 0.0f) << i;
  }
  uint16_t key = 39;  // Right
  wchar_t none = 0;
  list->SetItemIndex(0);
  list->KeyDown(key, none, {});
  EXPECT_EQ(list->ItemIndex(), 1);
}

// --- Image lists -------------------------------------------------------------------------------

class ImageListBoxTest : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    path = std::wstring(folder) + L"kest_image_list_" + std::to_wstring(GetCurrentProcessId()) + L".png";
    TvgBitmap picture(8, 8);
    picture.Clear(0xFFFF0000);
    picture.SaveToFile(WideToAnsi(path));
  }
  void TearDown() override {
    DeleteFileW(path.c_str());
    ControlsTest::TearDown();
  }
  TvgImageListBoxItem* AddPicture(TvgListBox* list) {
    auto* item = new TvgImageListBoxItem(nullptr);
    item->SetText(path);
    list->AddObject(item);
    item->ApplyResource();
    return item;
  }
  std::wstring path;
};

TEST_F(ImageListBoxTest, AnItemShowsItsPictureAndTheFileNameWhenAsked) {
  auto* list = Add<TvgImageListBox>(10, 10, 120, 180);
  TvgImageListBoxItem* item = AddPicture(list);
  TvgImage* image = item->ImagePart();
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->Bitmap()->Width(), 8);
  EXPECT_EQ(image->Bitmap()->GetScanline(4)[4], 0xFFFF0000u);
  auto* text = dynamic_cast<TvgText*>(item->FindResource("text"));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Text(), path.substr(path.find_last_of(L'\\') + 1));
  TvgVisualObject* border = item->FindResource("textborder")->Visual();
  EXPECT_FALSE(border->Visible());
  list->SetShowFileName(true);
  item->ApplyStyle();
  EXPECT_TRUE(border->Visible());
  EXPECT_FLOAT_EQ(item->Height(), 100.0f) << "as high as the box was wide when made";
}

TEST_F(ImageListBoxTest, AMissingPictureFileShowsNothingAndFailsNothing) {
  auto* list = Add<TvgImageListBox>(10, 10, 120, 180);
  auto* item = new TvgImageListBoxItem(nullptr);
  item->SetText(L"C:\\no such folder\\none.png");
  list->AddObject(item);
  item->ApplyResource();
  ASSERT_NE(item->ImagePart(), nullptr);
  EXPECT_TRUE(item->ImagePart()->Bitmap()->IsEmpty());
}

TEST_F(ImageListBoxTest, AHorizontalImageListSetsPicturesSideBySide) {
  auto* list = Add<TvgHorzImageListBox>(10, 10, 280, 100);
  EXPECT_EQ(list->ListStyle(), vgListHorizontal);
  EXPECT_FLOAT_EQ(list->ItemWidth(), 110.0f);
  AddPicture(list);
  TvgImageListBoxItem* second = AddPicture(list);
  EXPECT_FLOAT_EQ(second->Position()->X(), 110.0f);
  EXPECT_FLOAT_EQ(second->Width(), 110.0f);
}

TEST_F(ImageListBoxTest, DraggingTheSelectedItemDragsItsPicture) {
  auto* list = Add<TvgImageListBox>(10, 10, 120, 180);
  TvgImageListBoxItem* item = AddPicture(list);
  list->SetItemIndex(0);
  list->BeginAutoDrag();
  EXPECT_EQ(vgDraggedObject(), item->ImagePart());
  vgSetDraggedObject(nullptr);
}

}  // namespace
