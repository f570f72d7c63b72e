// The brush designer on a real window styled by the default style, driven by the messages the
// platform sends: the brushes of an object listed and edited live, colours typed, the gradient
// angle, the designer forgetting what is freed, and the modal brush dialog answered by clicks.
#include "tests/support/ControlsFixture.h"
//
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "controls/colors/ColorPicker.h"
#include "controls/colors/ColorQuad.h"
#include "controls/colors/GradientEdit.h"
#include "controls/editors/BitmapEditor.h"
#include "controls/editors/BrushDesign.h"
#include "controls/editors/BrushDialog.h"
#include "controls/lists/ListBox.h"
#include "controls/lists/ListBoxItem.h"
#include "controls/tabs/TabControl.h"
#include "controls/text/Label.h"
#include "controls/textboxes/NumberBox.h"
#include "controls/tracks/AngleButton.h"
#include "controls/windows/Window.h"
#include "engine/paint/Bitmap.h"
#include "engine/dialogs/SystemDialogs.h"
#include "controls/boxes/PopupBox.h"
#include "engine/shapes/Image.h"
#include "engine/shapes/Shapes.h"
#include "engine/styles/ResourceObjects.h"
#include "tests/support/BrushDesignDriver.h"

namespace {

testing::AssertionResult NearColor(TvgColor actual, TvgColor expected, int tolerance = 8) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int a = int(actual >> shift & 0xFF), e = int(expected >> shift & 0xFF);
    if (std::abs(a - e) > tolerance)
      return testing::AssertionFailure() << std::hex << "0x" << actual << " is not near 0x" << expected;
  }
  return testing::AssertionSuccess();
}

TvgColor Pixel(TvgVisualObject* object, int x, int y) {
  std::unique_ptr<TvgBitmap> shot = object->MakeScreenshot();
  return vgUnpremultiplyColor(shot->Bits()[y * shot->Width() + x]);
}

std::wstring RowText(TvgListBox* list, int index) {
  TvgListBoxItem* row = list->ItemByIndex(index);
  for (int i = 0; row && i < row->ChildrenCount(); ++i)
    if (auto* label = dynamic_cast<TvgLabel*>(row->Children(i))) return label->Text();
  return L"";
}

// The input box answered in the user's place: each answer replaces the proposed text, or keeps
// it when empty; what was proposed is kept.
class TScriptedInputBox : public TvgSystemDialogs {
public:
  bool InputBox(const std::string& caption, const std::string& prompt, std::string& value) override {
    this->caption = caption;
    this->prompt = prompt;
    proposed.push_back(value);
    if (!confirm) return false;
    if (!answer.empty()) value = answer;
    return true;
  }
  std::string caption, prompt, answer;
  std::vector<std::string> proposed;
  bool confirm = true;
};

class TNamingDesigner : public IDesignerHook {
public:
  bool IsSelected(TComponent*) override { return false; }
  std::string UniqueName(const std::string& base) override { return base + "42"; }
};

class BrushDesignTest : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    rect = new TvgRectangle(form);
    rect->SetName("Rectangle1");
    root->AddObject(rect);
    rect->SetBounds(20, 20, 100, 100);
    rect->Fill()->SetSolidColor(0xFFFF0000);
    rect->Stroke()->SetSolidColor(0xFF000000);
  }
  void TearDown() override {
    vgSetSystemDialogs(nullptr);
    form->SetDesigner(nullptr);
    design.reset();
    if (TvgBrushDesign* shared = vgBrushDesigner()) shared->Free();
    ControlsTest::TearDown();
  }
  // A designer of its own, shown and painted once.
  TvgBrushDesign& Design() {
    design.reset(TCustomForm::Create<TvgBrushDesign>(Application));
    Shown(*design);
    return *design;
  }
  static void Shown(TvgBrushDesign& shown) {
    shown.Show();
    PumpFor(50);
  }
  // The rectangle's brushes listed, its Fill edited.
  void EditFill(TvgBrushDesign& d) {
    d.SetObject(rect);
    d.SetBrush(rect->Fill());
  }
  void UseGradient(TvgBrush* brush, TvgPoint start, TvgPoint stop) {
    brush->SetStyle(vgBrushGradient);
    brush->Gradient()->StartPosition()->SetPoint(start);
    brush->Gradient()->StopPosition()->SetPoint(stop);
  }

  TvgBrushObject* Resource(const std::string& name) const {
    return dynamic_cast<TvgBrushObject*>(form->FindComponent(name));
  }
  int ResourceCount() const {
    int count = 0;
    for (int i = 0; i < form->ComponentCount(); ++i) count += dynamic_cast<TvgBrushObject*>(form->Components(i)) != nullptr;
    return count;
  }

  TvgRectangle* rect = nullptr;
  Owned<TvgBrushDesign> design;
  TScriptedInputBox input;
};

// Rows follow the order in which the classes declare their brushes: a shape's Stroke, then the
// rectangle's Fill.
TEST_F(BrushDesignTest, AnObjectsFillAndStrokeAreListedAndTheChosenRowIsEditedLive) {
  TvgBrushDesign& d = Design();
  TBrushDesignDriver driver(d);
  d.SetObject(rect);
  ASSERT_EQ(d.brushList->GetCount(), 2);
  EXPECT_EQ(RowText(d.brushList, 0), L"Stroke");
  EXPECT_EQ(RowText(d.brushList, 1), L"Fill");
  EXPECT_EQ(d.brushList->Height(), 4 + 2 * 23);
  EXPECT_EQ(d.EditedBrush(), rect->Stroke()) << "the first brush";
  EXPECT_EQ(d.brushTabControl->SelectedTab(), d.tabSolid);
  PumpFor(50);

  driver.Click(d.brushList->ItemByIndex(1));
  ASSERT_EQ(d.EditedBrush(), rect->Fill());
  EXPECT_EQ(d.textSolidHex->Text(), L"#FFFF0000") << "the row's brush is shown";
  driver.Type(d.textSolidHex, L"#FF00FF00");
  EXPECT_EQ(rect->Fill()->SolidColor(), 0xFF00FF00u);
  EXPECT_TRUE(NearColor(Pixel(rect, 50, 50), 0xFF00FF00));

  driver.Click(d.brushList->ItemByIndex(0));
  ASSERT_EQ(d.EditedBrush(), rect->Stroke());
  EXPECT_EQ(d.textSolidHex->Text(), L"#FF000000");
  driver.Type(d.textSolidHex, L"#FF0000FF");
  EXPECT_EQ(rect->Stroke()->SolidColor(), 0xFF0000FFu);
  EXPECT_EQ(rect->Fill()->SolidColor(), 0xFF00FF00u) << "the other brush is left alone";
}

TEST_F(BrushDesignTest, ATypedHexColourBecomesTheBrushsAndMovesThePicker) {
  struct Case {
    const wchar_t* typed;
    TvgColor color;
    float hue, sat, lum;
  } cases[] = {
      {L"#FF00FF00", 0xFF00FF00, 1.0f / 3, 1, 0.5f},
      {L"#800000FF", 0x800000FF, 2.0f / 3, 1, 0.5f},
      {L"#FF808080", 0xFF808080, 0, 0, 128.0f / 255},
      {L"green?", 0x00000000, 0, 0, 0},
  };
  TvgBrushDesign& d = Design();
  TBrushDesignDriver driver(d);
  EditFill(d);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "typed " << testing::PrintToString(std::wstring(c.typed)));
    driver.Type(d.textSolidHex, c.typed);
    EXPECT_EQ(rect->Fill()->SolidColor(), c.color);
    EXPECT_NEAR(d.solidPicker->Hue(), c.hue, 0.01);
    EXPECT_NEAR(d.solidQuad->Sat(), c.sat, 0.01);
    EXPECT_NEAR(d.solidQuad->Lum(), c.lum, 0.01);
    EXPECT_EQ(d.textSolidA->Value(), float(c.color >> 24));
    EXPECT_EQ(d.textSolidG->Value(), float(c.color >> 8 & 0xFF));
  }
}

TEST_F(BrushDesignTest, TheChannelBoxesAndTheQuadSetTheSolidColour) {
  TvgBrushDesign& d = Design();
  TBrushDesignDriver driver(d);
  EditFill(d);
  driver.Type(d.textSolidB, L"255");
  EXPECT_EQ(rect->Fill()->SolidColor(), 0xFFFF00FFu);
  driver.Type(d.textSolidA, L"64");
  EXPECT_EQ(rect->Fill()->SolidColor(), 0x40FF00FFu);
  // Lower left of the quad is black; the brush's alpha stays.
  driver.Drag(d.solidQuad, 0.5f, 0.5f, 0.0f, 1.0f);
  EXPECT_EQ(rect->Fill()->SolidColor(), 0x40000000u);
  EXPECT_EQ(d.textSolidHex->Text(), L"#40000000");
}

TEST_F(BrushDesignTest, TheGradientAngleRunsTheGradientAcrossTheUnitSquare) {
  struct Case {
    float angle;
    TvgPoint start, stop;
    float shown;  // what the knob reads back from those points
  } cases[] = {
      {-90, {0.5f, 0}, {0.5f, 1}, -90},
      {45, {0, 1}, {1, 0}, 45},
      {0, {0, 0.5f}, {1, 0.5f}, 0},
      {-45, {0, 0}, {1, 1}, -45},
      {180, {1, 0.5f}, {0, 0.5f}, -180},
  };
  TvgBrushDesign& d = Design();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "angle " << c.angle);
    UseGradient(rect->Fill(), {0.3f, 0.3f}, {0.6f, 0.9f});
    EditFill(d);
    ASSERT_EQ(d.brushTabControl->SelectedTab(), d.tabGradient);
    d.gradAngle->SetValue(c.angle);
    const TvgGradient* gradient = rect->Fill()->Gradient();
    EXPECT_NEAR(gradient->StartPosition()->X(), c.start.X, 1e-4);
    EXPECT_NEAR(gradient->StartPosition()->Y(), c.start.Y, 1e-4);
    EXPECT_NEAR(gradient->StopPosition()->X(), c.stop.X, 1e-4);
    EXPECT_NEAR(gradient->StopPosition()->Y(), c.stop.Y, 1e-4);
    EXPECT_EQ(d.gradAngleLabel->Text(), std::to_wstring(int(c.angle)));

    d.SetObject(nullptr);
    EditFill(d);
    EXPECT_NEAR(d.gradAngle->Value(), c.shown, 1e-3);
  }
}

TEST_F(BrushDesignTest, MinusNinetyPaintsTopToBottomAndFortyFiveCornerToCorner) {
  TvgBrushDesign& d = Design();
  UseGradient(rect->Fill(), {0, 0}, {1, 0});  // black at 0 to white at 1, left to right
  rect->Stroke()->SetStyle(vgBrushNone);
  EditFill(d);
  d.gradAngle->SetValue(-90);
  EXPECT_TRUE(NearColor(Pixel(rect, 50, 2), 0xFF000000, 12));
  EXPECT_TRUE(NearColor(Pixel(rect, 50, 97), 0xFFFFFFFF, 12));
  EXPECT_EQ(Pixel(rect, 5, 50), Pixel(rect, 95, 50)) << "a row has one colour";
  d.gradAngle->SetValue(45);
  EXPECT_TRUE(NearColor(Pixel(rect, 1, 98), 0xFF000000, 12));
  EXPECT_TRUE(NearColor(Pixel(rect, 98, 1), 0xFFFFFFFF, 12));
  EXPECT_TRUE(NearColor(Pixel(rect, 2, 2), Pixel(rect, 97, 97), 4)) << "the other diagonal has one colour";
}

TEST_F(BrushDesignTest, TheGradientEditorsStopsAndColourGoIntoTheBrush) {
  TvgBrushDesign& d = Design();
  TBrushDesignDriver driver(d);
  UseGradient(rect->Fill(), {0.5f, 0}, {0.5f, 1});
  EditFill(d);
  driver.Click(d.gradEditor, 0.5f, 0.3f);
  ASSERT_EQ(rect->Fill()->Gradient()->Points()->Count(), 3) << "a press on the bar adds a stop";
  const int added = d.gradEditor->CurrentPoint();
  driver.Type(d.textGradHex, L"#FFFF0000");
  EXPECT_EQ(rect->Fill()->Gradient()->Points()->Points(added)->IntColor(), 0xFFFF0000u);
  driver.Type(d.textGradR, L"0");
  EXPECT_EQ(rect->Fill()->Gradient()->Points()->Points(added)->IntColor(), 0xFF000000u);
}

TEST_F(BrushDesignTest, ChoosingATabGivesTheBrushThatStyle) {
  struct Case {
    TvgTabItem* TvgBrushDesign::*tab;
    TvgBrushStyle style;
    bool makesResources;
  } cases[] = {
      {&TvgBrushDesign::tabGradient, vgBrushGradient, true},
      {&TvgBrushDesign::tabBitmap, vgBrushBitmap, true},
      {&TvgBrushDesign::tabNone, vgBrushNone, false},
      {&TvgBrushDesign::tabRes, vgBrushResource, false},
      {&TvgBrushDesign::tabSolid, vgBrushSolid, true},
  };
  TvgBrushDesign& d = Design();
  TBrushDesignDriver driver(d);
  EditFill(d);
  for (const Case& c : cases) {
    TvgTabItem* tab = d.*c.tab;
    SCOPED_TRACE(testing::Message() << "tab " << tab->Name());
    driver.Click(tab);
    EXPECT_EQ(rect->Fill()->Style(), c.style);
    EXPECT_EQ(d.btnMakeRes->Visible(), c.makesResources);
  }
}

// --- Bitmap --------------------------------------------------------------------------------------

TEST_F(BrushDesignTest, TheBitmapEditorsResultBecomesTheBrushsBitmapOnOkOnly) {
  rect->Fill()->SetStyle(vgBrushBitmap);
  rect->Fill()->Bitmap()->Bitmap()->SetSize(2, 2);
  TvgBrushDesign& d = Design();
  TBrushDesignDriver driver(d);
  EditFill(d);
  ASSERT_EQ(d.brushTabControl->SelectedTab(), d.tabBitmap);
  EXPECT_EQ(d.bitmapImage->Bitmap()->Width(), 2);
  for (bool ok : {false, true}) {
    SCOPED_TRACE(ok ? "OK" : "Cancel");
    TModalAnswer<TvgBitmapEditor> answer([&](TvgBitmapEditor& editor, TBrushDesignDriver&) {
      EXPECT_EQ(editor.WorkingBitmap()->Width(), 2) << "the editor starts from the brush's bitmap";
      TvgBitmap picked(5, 3);
      editor.LoadBitmap(&picked);
      editor.SetModalResult(ok ? mrOk : mrCancel);
    });
    driver.Click(d.btnSelectBitmap);
    ASSERT_TRUE(answer.Answered());
    EXPECT_EQ(rect->Fill()->Bitmap()->Bitmap()->Width(), ok ? 5 : 2);
    EXPECT_EQ(d.bitmapImage->Bitmap()->Height(), ok ? 3 : 2);
  }
  d.tileModeList->SetItemIndex(vgWrapTileStretch);
  EXPECT_EQ(rect->Fill()->Bitmap()->WrapMode(), vgWrapTileStretch);
}

// --- Resources ---------------------------------------------------------------------------------

TEST_F(BrushDesignTest, MakeAResourceWithoutADesignerProposesBrush1ThenBrush2) {
  vgSetSystemDialogs(&input);
  TvgBrushDesign& d = Design();
  TBrushDesignDriver driver(d);
  EditFill(d);
  driver.Click(d.btnMakeRes);
  driver.Click(d.btnMakeRes);
  vgSetSystemDialogs(nullptr);
  EXPECT_EQ(input.proposed, (std::vector<std::string>{"Brush1", "Brush2"}));
  EXPECT_EQ(input.caption, "New TvgBrushObject");
  EXPECT_EQ(input.prompt, "Enter resource name:");
  for (const char* name : {"Brush1", "Brush2"}) {
    SCOPED_TRACE(name);
    TvgBrushObject* made = Resource(name);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->ResourceName(), name);
    EXPECT_EQ(made->Parent(), scene->GetRoot());
    EXPECT_EQ(made->Brush()->SolidColor(), 0xFFFF0000u) << "a copy of the edited brush";
  }
  ASSERT_EQ(d.resList->GetCount(), 2);
  EXPECT_EQ(RowText(d.resList, 0), L"Brush1");
  EXPECT_EQ(RowText(d.resList, 1), L"Brush2");
  EXPECT_EQ(rect->Fill()->Style(), vgBrushSolid) << "making a resource leaves the brush as it is";
}

TEST_F(BrushDesignTest, AResourceNameMustBeAnIdentifierAndIsMadeUnique) {
  struct Case {
    std::string typed;
    const char* made;  // nullptr: refused with a message, nothing made
  } cases[] = {
      {"Glow", "Glow"},
      {"  Shine ", "Shine"},
      {"Rectangle1", "Rectangle2"},  // the rectangle's name
      {"Glow", "Glow1"},
      {"Glow1", "Glow2"},
      {"2bad", nullptr},
      {"my brush", nullptr},
      {"Brush-1", nullptr},
  };
  vgSetSystemDialogs(&input);
  TvgBrushDesign& d = Design();
  TBrushDesignDriver driver(d);
  EditFill(d);
  for (const Case& c : cases) {
    SCOPED_TRACE("typed \"" + c.typed + "\"");
    const int resources = ResourceCount();
    const size_t messages = boxes.size();
    input.answer = c.typed;
    driver.Click(d.btnMakeRes);
    if (c.made) {
      ASSERT_NE(Resource(c.made), nullptr);
      EXPECT_EQ(Resource(c.made)->ResourceName(), c.made);
      EXPECT_EQ(ResourceCount(), resources + 1);
      EXPECT_EQ(boxes.size(), messages);
    } else {
      EXPECT_EQ(ResourceCount(), resources);
      ASSERT_EQ(boxes.size(), messages + 1);
      EXPECT_NE(boxes.back().Text.find(L"not a valid component name"), std::wstring::npos);
    }
  }
  vgSetSystemDialogs(nullptr);
}

TEST_F(BrushDesignTest, TheFormsDesignerOrTheWindowsOwnNamesTheResourceAndCancelMakesNone) {
  TNamingDesigner designer;
  vgSetSystemDialogs(&input);
  TvgBrushDesign& d = Design();
  TBrushDesignDriver driver(d);
  EditFill(d);
  form->SetDesigner(&designer);
  driver.Click(d.btnMakeRes);
  form->SetDesigner(nullptr);
  d.SetDesigner(&designer);
  input.confirm = false;
  driver.Click(d.btnMakeRes);
  d.SetDesigner(nullptr);
  vgSetSystemDialogs(nullptr);
  EXPECT_EQ(input.proposed, (std::vector<std::string>{"Brush42", "Brush42"}));
  EXPECT_NE(Resource("Brush42"), nullptr);
  EXPECT_EQ(ResourceCount(), 1) << "a cancelled box makes nothing";
}

TEST_F(BrushDesignTest, ChoosingAResourceMakesTheBrushReferToIt) {
  auto* shared = new TvgBrushObject(form);
  shared->SetName("Ocean");
  shared->Brush()->SetSolidColor(0xFF0000FF);
  root->AddObject(shared);
  TvgBrushDesign& d = Design();
  TBrushDesignDriver driver(d);
  EditFill(d);
  driver.Click(d.tabRes);
  PumpFor(50);  // the page shows and lays its rows out
  ASSERT_EQ(d.resList->GetCount(), 1);
  EXPECT_EQ(RowText(d.resList, 0), L"Ocean");
  driver.Click(d.resList->ItemByIndex(0));
  EXPECT_EQ(rect->Fill()->Style(), vgBrushResource);
  EXPECT_EQ(rect->Fill()->Resource()->Resource(), shared);
  EXPECT_TRUE(NearColor(Pixel(rect, 50, 50), 0xFF0000FF));
  d.SetObject(nullptr);
  EditFill(d);
  EXPECT_EQ(d.brushTabControl->SelectedTab(), d.tabRes);
  EXPECT_EQ(d.resList->ItemIndex(), 0) << "the brush's resource is selected";
}

// --- What the designer holds may be freed --------------------------------------------------------

TEST_F(BrushDesignTest, TheSharedDesignerForgetsAnObjectThatIsFreed) {
  TvgBrushDesign* shared = ShowBrushDesigner(rect);
  ASSERT_EQ(shared, vgBrushDesigner());
  ASSERT_EQ(shared->EditedBrush(), rect->Stroke());
  PumpFor(50);
  rect->Free();
  rect = nullptr;
  EXPECT_EQ(shared->EditedObject(), nullptr);
  EXPECT_EQ(shared->EditedBrush(), nullptr);
  EXPECT_EQ(shared->brushList->GetCount(), 0);
  // Editing now reaches nothing that was freed.
  TBrushDesignDriver driver(*shared);
  driver.Type(shared->textSolidHex, L"#FF00FF00");
  driver.Click(shared->tabGradient);
  driver.Click(shared->btnMakeRes);
  EXPECT_EQ(shared->EditedBrush(), nullptr);
}

TEST_F(BrushDesignTest, TheSharedDesignerForgetsABrushWhoseOwnerIsFreed) {
  auto* other = new TvgRectangle(form);
  root->AddObject(other);
  TvgBrushDesign* shared = ShowBrushDesigner(other->Stroke(), other);
  ASSERT_EQ(shared->EditedBrush(), other->Stroke());
  ASSERT_EQ(ShowBrushDesigner(rect->Stroke(), rect), shared) << "one shared designer";
  ASSERT_EQ(shared->EditedBrush(), rect->Stroke());
  other->Free();
  EXPECT_EQ(shared->EditedBrush(), rect->Stroke()) << "what it no longer edits does not matter";
  rect->Free();
  rect = nullptr;
  EXPECT_EQ(shared->EditedBrush(), nullptr);
}

TEST_F(BrushDesignTest, ClosingTheSharedDesignerFreesIt) {
  TvgBrushDesign* shared = ShowBrushDesigner(rect);
  PumpFor(50);
  TBrushDesignDriver driver(*shared);
  driver.Click(dynamic_cast<TvgVisualObject*>(shared->HudWindow1->FindResource("close")));
  EXPECT_TRUE(PumpUntil([] { return vgBrushDesigner() == nullptr; }));
  EXPECT_EQ(rect->Fill()->SolidColor(), 0xFFFF0000u);
  EXPECT_NE(ShowBrushDesigner(rect), nullptr) << "a new one opens";
}

// --- The modal dialog ----------------------------------------------------------------------------

TEST_F(BrushDesignTest, TheDialogsBrushChangesLiveAndCancelPutsItBack) {
  struct Case {
    bool ok;
    TvgColor after;
  } cases[] = {{false, 0xFFFF0000}, {true, 0xFF00FF00}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ok ? "OK" : "Cancel");
    TvgBrushDialog dialog(nullptr);
    dialog.Brush()->SetSolidColor(0xFFFF0000);
    TvgColor live = 0;
    TBrushDialogAnswer answer([&](TvgBrushDesign& shown, TBrushDesignDriver& driver) {
      driver.Type(shown.textSolidHex, L"#FF00FF00");
      live = dialog.Brush()->SolidColor();
      driver.Click(c.ok ? shown.btnOK : shown.btnCancel);
    });
    EXPECT_EQ(dialog.Execute(), c.ok);
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(live, 0xFF00FF00u) << "edited in place while open";
    EXPECT_EQ(dialog.Brush()->SolidColor(), c.after);
    EXPECT_EQ(dialog.Brush()->Style(), vgBrushSolid);
  }
}

TEST_F(BrushDesignTest, TheDialogOffersOnlyItsStylesUnderItsTitle) {
  TvgBrushDialog dialog(nullptr);
  dialog.SetShowStyles({vgBrushSolid, vgBrushBitmap});
  dialog.SetTitle(L"Fill");
  dialog.SetComponent(rect);
  TBrushDialogAnswer answer([&](TvgBrushDesign& shown, TBrushDesignDriver& driver) {
    EXPECT_EQ(shown.HudWindow1->Text(), L"Fill");
    EXPECT_EQ(shown.brushTabControl->VisibleTabCount(), 2);
    EXPECT_TRUE(shown.tabSolid->Visible());
    EXPECT_TRUE(shown.tabBitmap->Visible());
    EXPECT_EQ(shown.brushTabControl->SelectedTab(), shown.tabSolid);
    EXPECT_TRUE(shown.brushList->Visible());
    EXPECT_EQ(shown.brushList->GetCount(), 2) << "the component's brushes";
    EXPECT_FALSE(shown.makeResLayout->Visible());
    EXPECT_TRUE(shown.btnOK->Visible());
    driver.Click(shown.btnOK);
  });
  EXPECT_TRUE(dialog.Execute());
}

TEST_F(BrushDesignTest, EditGradientShowsOnlyTheGradientTabAndKeepsTheGradientOnCancel) {
  for (bool ok : {false, true}) {
    SCOPED_TRACE(ok ? "OK" : "Cancel");
    TvgGradient gradient;
    TBrushDialogAnswer answer([&](TvgBrushDesign& shown, TBrushDesignDriver& driver) {
      EXPECT_EQ(shown.brushTabControl->VisibleTabCount(), 1);
      EXPECT_EQ(shown.brushTabControl->SelectedTab(), shown.tabGradient);
      EXPECT_FALSE(shown.brushList->Visible());
      driver.Click(shown.gradEditor, 0.5f, 0.3f);
      EXPECT_EQ(shown.gradEditor->Gradient()->Points()->Count(), 3);
      driver.Click(ok ? shown.btnOK : shown.btnCancel);
    });
    EXPECT_EQ(EditGradient(&gradient), ok);
    EXPECT_EQ(gradient.Points()->Count(), ok ? 3 : 2);
  }
}

}  // namespace
