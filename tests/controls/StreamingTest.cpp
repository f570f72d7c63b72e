// Every control class streams its own properties and reads them back; what equals a default is
// not written; damaged streams and style parts of the wrong kind are survived.
#include "tests/support/ControlsFixture.h"
//
#include <functional>
#include <string>
#include <vector>

#include "classlib/core/MemoryStream.h"
#include "classlib/core/StringStream.h"
#include "controls/textboxes/ComboTrackBar.h"
#include "controls/colors/ComboColorBox.h"
#include "controls/textboxes/NumberBox.h"
#include "controls/textboxes/SpinBox.h"
#include "controls/textboxes/TextBox.h"
#include "controls/buttons/BitmapButton.h"
#include "controls/buttons/BitmapStateButton.h"
#include "controls/buttons/Button.h"
#include "controls/buttons/ColorButton.h"
#include "controls/buttons/CornerButton.h"
#include "controls/panels/GroupBox.h"
#include "controls/panels/ImageControl.h"
#include "controls/text/Label.h"
#include "controls/panels/Panel.h"
#include "controls/buttons/PathButton.h"
#include "controls/buttons/PopupButton.h"
#include "controls/panels/SelectionItem.h"
#include "controls/buttons/SpeedButton.h"
#include "controls/boxes/CheckBox.h"
#include "controls/boxes/PopupBox.h"
#include "controls/boxes/RadioButton.h"
#include "controls/lists/HorzListBox.h"
#include "controls/lists/ImageListBox.h"
#include "controls/lists/ListBox.h"
#include "controls/lists/ListBoxItem.h"
#include "controls/lists/StringListBox.h"
#include "controls/tabs/TabControl.h"
#include "controls/tracks/AngleButton.h"
#include "controls/tracks/AniIndicator.h"
#include "controls/tracks/ProgressBar.h"
#include "controls/tracks/ScrollBar.h"
#include "controls/tracks/Track.h"
#include "controls/windows/CloseButton.h"
#include "controls/windows/Expander.h"
#include "controls/windows/SizeGrip.h"
#include "controls/windows/Splitter.h"
#include "controls/panels/StatusBar.h"
#include "controls/panels/ToolBar.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Font.h"
#include "engine/tree/ObjectStreaming.h"
#include "engine/paint/PathData.h"
#include "engine/tree/Content.h"
#include "engine/values/WideStrings.h"

namespace {

template <class T>
std::function<void(TvgObject*)> SetUp(std::function<void(T&)> setUp) {
  return [setUp](TvgObject* object) { setUp(*static_cast<T*>(object)); };
}

struct TStreamCase {
  const char* className;
  std::function<void(TvgObject*)> setUp;
  std::vector<const char*> written;
};

const std::vector<TStreamCase>& StreamCases() {
  static const std::vector<TStreamCase> cases = {
      {"TvgLabel", SetUp<TvgLabel>([](TvgLabel& l) {
         l.SetText(L"\u6807\u7b7e");
         l.SetAutoSize(true);
         l.SetAutoTranslate(false);
         l.SetTextAlign(vgTextAlignFar);
         l.SetVertTextAlign(vgTextAlignNear);
         l.SetHitTest(true);
         l.SetWordWrap(false);
         l.Font()->SetSize(14);
       }),
       {"AutoSize = True", "AutoTranslate = False", "TextAlign = vgTextAlignFar", "VertTextAlign = vgTextAlignNear",
        "HitTest = True", "WordWrap = False", "Font.Size = 14", "Text = "}},
      {"TvgValueLabel", SetUp<TvgValueLabel>([](TvgValueLabel& l) {
         l.SetWordWrap(true);
         l.SetAutoTranslate(true);
       }),
       {"WordWrap = True", "AutoTranslate = True"}},
      {"TvgHudLabel", SetUp<TvgHudLabel>([](TvgHudLabel& l) { l.SetText(L"hud"); }), {"Text = 'hud'"}},
      {"TvgPanel", SetUp<TvgPanel>([](TvgPanel& p) { p.SetResource("Panel1Style1"); }),
       {"Resource = 'Panel1Style1'"}},
      {"TvgHudPanel", SetUp<TvgHudPanel>([](TvgHudPanel& p) { p.SetWidth(33); }), {"Width = 33"}},
      {"TvgCalloutPanel", SetUp<TvgCalloutPanel>([](TvgCalloutPanel& p) {
         p.SetCalloutWidth(30);
         p.SetCalloutLength(5);
         p.SetCalloutPosition(vgCalloutRight);
         p.SetCalloutOffset(-2.5f);
       }),
       {"CalloutWidth = 30", "CalloutLength = 5", "CalloutPosition = vgCalloutRight", "CalloutOffset = -2.5"}},
      {"TvgStatusBar", SetUp<TvgStatusBar>([](TvgStatusBar& s) {
         s.SetShowSizeGrip(false);
         s.SetAlign(vaTop);
       }),
       {"ShowSizeGrip = False", "Align = vaTop"}},
      {"TvgHudStatusBar", SetUp<TvgHudStatusBar>([](TvgHudStatusBar& s) { s.SetAlign(vaNone); }), {"Align = vaNone"}},
      {"TvgToolBar", SetUp<TvgToolBar>([](TvgToolBar& t) { t.SetAlign(vaBottom); }), {"Align = vaBottom"}},
      {"TvgGroupBox", SetUp<TvgGroupBox>([](TvgGroupBox& g) {
         g.SetText(L"Group");
         g.SetAutoTranslate(false);
         g.SetTextAlign(vgTextAlignNear);
       }),
       {"Text = 'Group'", "AutoTranslate = False", "TextAlign = vgTextAlignNear"}},
      {"TvgHudGroupBox", SetUp<TvgHudGroupBox>([](TvgHudGroupBox& g) { g.SetText(L"Hud"); }), {"Text = 'Hud'"}},
      {"TvgSelectionItem", SetUp<TvgSelectionItem>([](TvgSelectionItem& s) { s.SetResource("selection"); }),
       {"Resource = 'selection'"}},
      {"TvgImageControl", SetUp<TvgImageControl>([](TvgImageControl& i) {
         i.Bitmap()->SetSize(2, 2);
         i.Bitmap()->Clear(0xFF00FF00);
         i.SetEnableOpenDialog(false);
         i.SetCanFocused(false);
         i.SetDisableFocusEffect(true);
       }),
       {"Bitmap.PNG = {", "EnableOpenDialog = False", "CanFocused = False", "DisableFocusEffect = True"}},
      {"TvgButton", SetUp<TvgButton>([](TvgButton& b) {
         b.SetDefault(true);
         b.SetCancel(true);
         b.SetModalResult(1);
         b.SetStaysPressed(true);
         b.SetIsPressed(true);
         b.SetRepeatClick(true);
         b.SetText(L"\u7acb\u5373\u66f4\u65b0");
         b.SetWordWrap(true);
         b.SetCanFocused(false);
         b.SetAutoTranslate(false);
       }),
       {"Default = True", "Cancel = True", "ModalResult = 1", "StaysPressed = True", "IsPressed = True",
        "RepeatClick = True", "WordWrap = True", "CanFocused = False", "AutoTranslate = False"}},
      {"TvgRoundButton", SetUp<TvgRoundButton>([](TvgRoundButton& b) { b.SetText(L"round"); }), {"Text = 'round'"}},
      {"TvgCircleButton", SetUp<TvgCircleButton>([](TvgCircleButton& b) { b.SetText(L"o"); }), {"Text = 'o'"}},
      {"TvgHudButton", SetUp<TvgHudButton>([](TvgHudButton& b) { b.SetCancel(true); }), {"Cancel = True"}},
      {"TvgHudRoundButton", SetUp<TvgHudRoundButton>([](TvgHudRoundButton& b) { b.SetDefault(true); }),
       {"Default = True"}},
      {"TvgHudCircleButton", SetUp<TvgHudCircleButton>([](TvgHudCircleButton& b) { b.SetModalResult(2); }),
       {"ModalResult = 2"}},
      {"TvgPopupButton", SetUp<TvgPopupButton>([](TvgPopupButton& b) { b.SetText(L"menu"); }), {"Text = 'menu'"}},
      {"TvgBitmapButton", SetUp<TvgBitmapButton>([](TvgBitmapButton& b) {
         b.Bitmap()->SetSize(3, 3);
         b.Bitmap()->Clear(0x80FF0000);
         b.SetBitmapLayout(vgGlyphRight);
         b.SetBitmapSpacing(4);
         b.SetBitmapSize(20);
         b.SetBitmapPadding(1);
       }),
       {"Bitmap.PNG = {", "BitmapLayout = vgGlyphRight", "BitmapSpacing = 4", "BitmapSize = 20", "BitmapPadding = 1"}},
      {"TvgToolButton", SetUp<TvgToolButton>([](TvgToolButton& b) {
         b.SetBitmapLayout(vgGlyphLeft);
         b.SetCanFocused(true);
       }),
       {"BitmapLayout = vgGlyphLeft", "CanFocused = True"}},
      {"TvgPathButton", SetUp<TvgPathButton>([](TvgPathButton& b) {
         b.Path()->SetData("M 0 0 L 10 10 Z");
         b.SetPathLayout(vgGlyphBottom);
         b.SetPathSize(16);
         b.SetPathSpacing(3);
         b.SetPathPadding(0);
         b.PathFill()->SetSolidColor(0xFF123456);
         b.PathStroke()->SetSolidColor(0xFF654321);
         b.SetPathStrokeThickness(2);
         b.SetPathStrokeCap(vgCapRound);
         b.SetPathStrokeDash(vgDashDot);
         b.SetPathStrokeJoin(vgJoinRound);
       }),
       {"Path.Path = {", "PathLayout = vgGlyphBottom", "PathSize = 16", "PathSpacing = 3", "PathPadding = 0",
        "PathFill.Color = '#FF123456'", "PathStroke.Color = '#FF654321'", "PathStrokeThickness = 2",
        "PathStrokeCap = vgCapRound", "PathStrokeDash = vgDashDot", "PathStrokeJoin = vgJoinRound"}},
      {"TvgToolPathButton", SetUp<TvgToolPathButton>([](TvgToolPathButton& b) {
         b.SetPathLayout(vgGlyphLeft);
         b.SetCanFocused(true);
       }),
       {"PathLayout = vgGlyphLeft", "CanFocused = True"}},
      {"TvgSpeedButton", SetUp<TvgSpeedButton>([](TvgSpeedButton& b) {
         b.SetRepeatClick(false);
         b.SetCanFocused(true);
       }),
       {"RepeatClick = False", "CanFocused = True"}},
      {"TvgHudSpeedButton", SetUp<TvgHudSpeedButton>([](TvgHudSpeedButton& b) { b.SetText(L"s"); }), {"Text = 's'"}},
      {"TvgColorButton", SetUp<TvgColorButton>([](TvgColorButton& b) {
         b.SetColor("#FF00FF00");
         b.SetUseStandardDialog(false);
         b.SetAutoTranslate(true);
       }),
       {"Color = '#FF00FF00'", "UseStandardDialog = False", "AutoTranslate = True"}},
      {"TvgCornerButton", SetUp<TvgCornerButton>([](TvgCornerButton& b) {
         b.SetXRadius(5);
         b.SetYRadius(1);
         b.SetCorners(TvgCorners{vgCornerTopLeft});
         b.SetCornerType(vgCornerBevel);
         b.SetSides(TvgSides{vgSideTop});
       }),
       {"xRadius = 5", "yRadius = 1", "Corners = [vgCornerTopLeft]", "CornerType = vgCornerBevel",
        "Sides = [vgSideTop]"}},
      {"TvgHudCornerButton", SetUp<TvgHudCornerButton>([](TvgHudCornerButton& b) { b.SetCorners({}); }),
       {"Corners = []"}},
      {"TvgBitmapStateButton", SetUp<TvgBitmapStateButton>([](TvgBitmapStateButton& b) {
         for (TvgBitmap* bitmap : {b.Bitmap(), b.BitmapHot(), b.BitmapDown()}) {
           bitmap->SetSize(2, 2);
           bitmap->Clear(0xFF0000FF);
         }
       }),
       {"Bitmap.PNG = {", "BitmapHot.PNG = {", "BitmapDown.PNG = {"}},
      {"TvgExpanderButton", SetUp<TvgExpanderButton>([](TvgExpanderButton& b) { b.SetCanFocused(true); }),
       {"CanFocused = True"}},
      {"TvgCheckBox", SetUp<TvgCheckBox>([](TvgCheckBox& c) {
         c.SetIsChecked(true);
         c.SetText(L"\u590d\u9009");
         c.SetTextAlign(vgTextAlignCenter);
         c.SetCanFocused(false);
       }),
       {"IsChecked = True", "TextAlign = vgTextAlignCenter", "CanFocused = False", "Text = "}},
      {"TvgHudCheckBox", SetUp<TvgHudCheckBox>([](TvgHudCheckBox& c) { c.SetWordWrap(true); }), {"WordWrap = True"}},
      {"TvgPathCheckBox", SetUp<TvgPathCheckBox>([](TvgPathCheckBox& c) { c.Path()->SetData("M 0 0 L 4 4 Z"); }),
       {"Path.Path = {"}},
      {"TvgRadioButton", SetUp<TvgRadioButton>([](TvgRadioButton& r) {
         r.SetGroupName("sizes");
         r.SetIsChecked(true);
       }),
       {"GroupName = 'sizes'", "IsChecked = True"}},
      {"TvgHudRadioButton", SetUp<TvgHudRadioButton>([](TvgHudRadioButton& r) { r.SetAutoTranslate(false); }),
       {"AutoTranslate = False"}},
      {"TvgPopupBox", SetUp<TvgPopupBox>([](TvgPopupBox& p) {
         p.Items()->SetTextStr(L"one\r\ntwo\r\n");
         p.SetItemIndex(1);
       }),
       {"Items.strings = (", "ItemIndex = 1"}},
      {"TvgHudPopupBox", SetUp<TvgHudPopupBox>([](TvgHudPopupBox& p) { p.SetCanFocused(false); }),
       {"CanFocused = False"}},
      {"TvgTrack", SetUp<TvgTrack>([](TvgTrack& t) {
         t.SetMin(-10);
         t.SetMax(50);
         t.SetFrequency(2.5f);
         t.SetOrientation(vgVertical);
         t.SetViewportSize(10);
         t.SetValue(20);
         t.SetTracking(false);
       }),
       {"Min = -10", "Max = 50", "Frequency = 2.5", "Orientation = vgVertical", "Value = 20", "ViewportSize = 10",
        "Tracking = False"}},
      {"TvgTrackBar", SetUp<TvgTrackBar>([](TvgTrackBar& t) {
         t.SetValue(30);
         t.SetCanFocused(false);
       }),
       {"Value = 30", "CanFocused = False"}},
      {"TvgHudTrack", SetUp<TvgHudTrack>([](TvgHudTrack& t) { t.SetMax(10); }), {"Max = 10"}},
      {"TvgHudTrackBar", SetUp<TvgHudTrackBar>([](TvgHudTrackBar& t) { t.SetMin(5); }), {"Min = 5"}},
      {"TvgScrollBar", SetUp<TvgScrollBar>([](TvgScrollBar& b) {
         b.SetMax(400);
         b.SetViewportSize(100);
         b.SetValue(120);
         b.SetSmallChange(20);
         b.SetOrientation(vgVertical);
       }),
       {"Max = 400", "ViewportSize = 100", "Value = 120", "SmallChange = 20", "Orientation = vgVertical"}},
      {"TvgSmallScrollBar", SetUp<TvgSmallScrollBar>([](TvgSmallScrollBar& b) { b.SetMin(1); }), {"Min = 1"}},
      {"TvgHudScrollBar", SetUp<TvgHudScrollBar>([](TvgHudScrollBar& b) { b.SetValue(3); }), {"Value = 3"}},
      {"TvgProgressBar", SetUp<TvgProgressBar>([](TvgProgressBar& p) {
         p.SetMax(200);
         p.SetValue(50);
         p.SetOrientation(vgVertical);
       }),
       {"Max = 200", "Value = 50", "Orientation = vgVertical"}},
      {"TvgAniIndicator", SetUp<TvgAniIndicator>([](TvgAniIndicator& a) {
         a.SetIndicatorEnabled(true);
         a.SetStyle(vgAniIndicatorCircle);
       }),
       {"Enabled = True", "Style = vgAniIndicatorCircle"}},
      {"TvgAngleButton", SetUp<TvgAngleButton>([](TvgAngleButton& a) {
         a.SetValue(45);
         a.SetFrequency(15);
         a.SetShowValue(true);
         a.SetTracking(false);
       }),
       {"Value = 45", "Frequency = 15", "ShowValue = True", "Tracking = False"}},
      {"TvgHudAngleButton", SetUp<TvgHudAngleButton>([](TvgHudAngleButton& a) { a.SetValue(-90); }),
       {"Value = -90"}},
      {"TvgSizeGrip", SetUp<TvgSizeGrip>([](TvgSizeGrip& g) { g.SetResource("grip1"); }), {"Resource = 'grip1'"}},
      {"TvgHudSizeGrip", SetUp<TvgHudSizeGrip>([](TvgHudSizeGrip& g) { g.SetWidth(12); }), {"Width = 12"}},
      {"TvgCloseButton", SetUp<TvgCloseButton>([](TvgCloseButton& b) { b.SetCloseForm(false); }),
       {"CloseForm = False"}},
      {"TvgHudCloseButton", SetUp<TvgHudCloseButton>([](TvgHudCloseButton& b) { b.SetWidth(16); }), {"Width = 16"}},
      {"TvgSplitter", SetUp<TvgSplitter>([](TvgSplitter& s) {
         s.SetAlign(vaTop);
         s.SetMinSize(40);
         s.SetShowGrip(false);
       }),
       {"Align = vaTop", "MinSize = 40", "ShowGrip = False"}},
      {"TvgExpander", SetUp<TvgExpander>([](TvgExpander& e) {
         e.SetText(L"More");
         e.SetShowCheck(true);
         e.SetIsChecked(false);
         e.SetIsExpanded(false);
         e.Content()->SetHeight(80);
       }),
       {"Text = 'More'", "ShowCheck = True", "IsChecked = False", "IsExpanded = False", "ContentSize = '80'"}},
      {"TvgTabControl", SetUp<TvgTabControl>([](TvgTabControl& t) {
         t.SetItemHeight(24);
         t.SetFullSize(true);
       }),
       {"ItemHeight = 24", "FullSize = True"}},
      {"TvgHudTabControl", SetUp<TvgHudTabControl>([](TvgHudTabControl& t) { t.SetItemIndex(0); }),
       {"ItemIndex = 0"}},
      {"TvgTabItem", SetUp<TvgTabItem>([](TvgTabItem& t) {
         t.SetText(L"General");
         t.SetVertTextAlign(vgTextAlignFar);
       }),
       {"Text = 'General'", "VertTextAlign = vgTextAlignFar"}},
      {"TvgHudTabItem", SetUp<TvgHudTabItem>([](TvgHudTabItem& t) { t.SetTextAlign(vgTextAlignNear); }),
       {"TextAlign = vgTextAlignNear"}},
      {"TvgTextBox", SetUp<TvgTextBox>([](TvgTextBox& t) {
         t.SetText(L"typed");
         t.SetPassword(true);
         t.SetReadOnly(true);
       }),
       {"Text = 'typed'", "Password = True", "ReadOnly = True"}},
      {"TvgNumberBox", SetUp<TvgNumberBox>([](TvgNumberBox& n) {
         n.SetMax(100);
         n.SetValue(50);
         n.SetValueType(vgValueFloat);
         n.SetVertIncrement(2);
       }),
       {"Max = 100", "Value = 50", "ValueType = vgValueFloat", "VertIncrement = 2"}},
      {"TvgSpinBox", SetUp<TvgSpinBox>([](TvgSpinBox& n) {
         n.SetIncrement(2);
         n.SetTextAlign(vgTextAlignNear);
       }),
       {"Increment = 2", "TextAlign = vgTextAlignNear"}},
      {"TvgComboTrackBar", SetUp<TvgComboTrackBar>([](TvgComboTrackBar& c) {
         c.SetMin(-50);
         c.SetMax(50);
         c.SetFrequency(5);
         c.SetValue(10);
       }),
       {"Min = -50", "Max = 50", "Value = 10", "Frequency = 5", "Text = '10'"}},
      // The pop-up's parts are the combo's own making: only the colour is written.
      {"TvgComboColorBox", SetUp<TvgComboColorBox>([](TvgComboColorBox& c) {
         c.SetColor("#80FF0000");
         c.SetUseAlpha(false);
       }),
       {"Color = '#80FF0000'", "UseAlpha = False"}},
      // The selected index is read before the items that it points at.
      {"TvgListBox", SetUp<TvgListBox>([](TvgListBox& l) {
         for (const wchar_t* text : {L"one", L"two", L"three"}) {
           auto* item = new TvgListBoxItem(nullptr);
           item->SetText(text);
           l.AddObject(item);
         }
         l.ItemByIndex(2)->SetIsChecked(true);
         l.SetItemIndex(1);
         l.SetColumns(2);
         l.SetMultiSelect(true);
         l.SetAlternatingRowBackground(true);
         l.SetHideSelectionUnfocused(false);
       }),
       {"ItemIndex = 1", "Columns = 2", "MultiSelect = True", "AlternatingRowBackground = True",
        "HideSelectionUnfocused = False", "object TvgListBoxItem", "Text = 'three'", "IsChecked = True",
        "IsSelected = True"}},
      {"TvgStringListBox", SetUp<TvgStringListBox>([](TvgStringListBox& l) {
         l.Items()->SetTextStr(L"red\r\ngreen\r\nblue");
         l.SetItemIndex(2);
         l.SetTextAlign(vgTextAlignCenter);
       }),
       {"Items.strings = (", "'green'", "ItemIndex = 2", "TextAlign = vgTextAlignCenter"}},
      {"TvgHorzListBox", SetUp<TvgHorzListBox>([](TvgHorzListBox& l) { l.SetItemWidth(40); }),
       {"ItemWidth = 40"}},
      {"TvgImageListBox", SetUp<TvgImageListBox>([](TvgImageListBox& l) {
         l.SetShowFileName(true);
         l.SetUseThumbnails(false);
       }),
       {"ShowFileName = True", "UseThumbnails = False"}},
  };
  return cases;
}

std::string Text(TvgObject* object) {
  TStringStream text;
  vgSaveObjectToText(object, text);
  return text.DataString();
}

std::string Binary(TvgObject* object) {
  TMemoryStream binary;
  vgSaveObjectToStream(object, binary);
  return std::string(static_cast<const char*>(binary.Memory()), size_t(binary.Size()));
}

TvgObject* New(const char* className) {
  TClass objectClass = GetClass(className);
  return objectClass ? dynamic_cast<TvgObject*>(objectClass->Construct(nullptr)) : nullptr;
}

class StreamingTest : public ControlsTest {};

TEST_F(StreamingTest, EveryClassSurvivesARoundTripWithItsNonDefaultProperties) {
  for (const TStreamCase& c : StreamCases()) {
    SCOPED_TRACE(c.className);
    TvgObject* object = New(c.className);
    ASSERT_NE(object, nullptr) << "not registered";
    c.setUp(object);
    const std::string written = Text(object);
    for (const char* line : c.written) EXPECT_NE(written.find(line), std::string::npos) << line << " in\n" << written;
    TStringStream input(written);
    TvgObject* loaded = vgLoadObjectFromText(nullptr, input);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->ClassType(), object->ClassType());
    EXPECT_EQ(Text(loaded), written);
    loaded->Free();
    object->Free();
  }
}

TEST_F(StreamingTest, WhatTheConstructorSetsIsNotWritten) {
  const char* const defaults[] = {"HitTest", "WordWrap", "AutoTranslate", "CanFocused", "Align", "RepeatClick",
                                  "IsPressed", "StaysPressed", "ModalResult", "Default", "Cancel", "TextAlign",
                                  "BitmapLayout", "PathLayout", "PathStrokeThickness", "PathFill", "PathStroke",
                                  "Corners", "Sides", "xRadius", "CornerType", "Color", "UseStandardDialog",
                                  "ShowSizeGrip", "Callout", "EnableOpenDialog", "AutoSize", "Font", "ListStyle",
                                  "Columns", "ItemIndex", "HideSelectionUnfocused"};
  for (const TStreamCase& c : StreamCases()) {
    SCOPED_TRACE(c.className);
    TvgObject* object = New(c.className);
    ASSERT_NE(object, nullptr);
    const std::string written = Text(object);
    for (const char* name : defaults)
      EXPECT_EQ(written.find(std::string("  ") + name), std::string::npos) << name << " in\n" << written;
    object->Free();
  }
}

TEST_F(StreamingTest, EveryTruncationOfAControlsStreamIsSurvived) {
  for (const TStreamCase& c : StreamCases()) {
    SCOPED_TRACE(c.className);
    TvgObject* object = New(c.className);
    c.setUp(object);
    const std::string bytes = Binary(object);
    object->Free();
    // A cut stream loads nothing, and what was read of it is freed: the owner is left empty.
    for (size_t length = 0; length < bytes.size(); ++length) {
      TStringStream input(bytes.substr(0, length));
      TComponent owner(nullptr);
      EXPECT_EQ(vgLoadObjectFromBinary(&owner, input), nullptr) << length << " of " << bytes.size() << " bytes";
      EXPECT_EQ(owner.ComponentCount(), 0) << length << " of " << bytes.size() << " bytes";
    }
    TStringStream whole(bytes);
    TComponent owner(nullptr);
    TvgObject* loaded = vgLoadObjectFromBinary(&owner, whole);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(Binary(loaded), bytes);
  }
}

TEST_F(StreamingTest, ValuesThatDoNotFitArePassedOverAndTheRestIsRead) {
  const char* const text =
      "object B: TvgBitmapButton\r\n"
      "  BitmapLayout = vgGlyphNowhere\r\n"
      "  BitmapSize = 'big'\r\n"
      "  ModalResult = 'ok'\r\n"
      "  IsPressed = 7\r\n"
      "  Bitmap.PNG = {00FF00FF}\r\n"
      "  Text = 'kept'\r\n"
      "end\r\n";
  TStringStream input(text);
  TvgObject* loaded = vgLoadObjectFromText(nullptr, input);
  auto* button = dynamic_cast<TvgBitmapButton*>(loaded);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->BitmapLayout(), vgGlyphLeft);
  EXPECT_EQ(button->BitmapSize(), 32);
  EXPECT_EQ(button->ModalResult(), 0);
  EXPECT_FALSE(button->IsPressed());
  EXPECT_EQ(button->Text(), L"kept");
  loaded->Free();
}

// Every part a control looks up, under its name but of a kind the control cannot use.
const char* const kWrongParts =
    "object TvgRectangle\r\n"
    "  object TvgRectangle\r\n"
    "    ResourceName = 'wrongparts'\r\n"
    "    HitTest = False\r\n"
    "    object TvgBrushObject\r\n"
    "      ResourceName = 'text'\r\n"
    "    end\r\n"
    "    object TvgRectangle\r\n"
    "      ResourceName = 'foreground'\r\n"
    "    end\r\n"
    "    object TvgBrushObject\r\n"
    "      ResourceName = 'image'\r\n"
    "    end\r\n"
    "    object TvgEllipse\r\n"
    "      ResourceName = 'path'\r\n"
    "    end\r\n"
    "    object TvgBrushObject\r\n"
    "      ResourceName = 'pathowner'\r\n"
    "    end\r\n"
    "    object TvgBrushObject\r\n"
    "      ResourceName = 'fill'\r\n"
    "    end\r\n"
    "    object TvgEllipse\r\n"
    "      ResourceName = 'Background'\r\n"
    "    end\r\n"
    "    object TvgRectangle\r\n"
    "      ResourceName = 'Backgound'\r\n"
    "    end\r\n"
    "    object TvgBrushObject\r\n"
    "      ResourceName = 'sizegrip'\r\n"
    "    end\r\n"
    "    object TvgRectangle\r\n"
    "      ResourceName = 'thumb'\r\n"
    "    end\r\n"
    "    object TvgBrushObject\r\n"
    "      ResourceName = 'htrack'\r\n"
    "    end\r\n"
    "    object TvgBrushObject\r\n"
    "      ResourceName = 'vtrack'\r\n"
    "    end\r\n"
    "    object TvgEllipse\r\n"
    "      ResourceName = 'leftbutton'\r\n"
    "    end\r\n"
    "    object TvgBrushObject\r\n"
    "      ResourceName = 'rightbutton'\r\n"
    "    end\r\n"
    "    object TvgEllipse\r\n"
    "      ResourceName = 'topbutton'\r\n"
    "    end\r\n"
    "    object TvgBrushObject\r\n"
    "      ResourceName = 'bottombutton'\r\n"
    "    end\r\n"
    "    object TvgBrushObject\r\n"
    "      ResourceName = 'hindicator'\r\n"
    "    end\r\n"
    "    object TvgBrushObject\r\n"
    "      ResourceName = 'vindicator'\r\n"
    "    end\r\n"
    "    object TvgBrushObject\r\n"
    "      ResourceName = 'tick'\r\n"
    "    end\r\n"
    "    object TvgRectangle\r\n"
    "      ResourceName = 'tracktext'\r\n"
    "    end\r\n"
    "    object TvgRectangle\r\n"
    "      ResourceName = 'checkmark'\r\n"
    "    end\r\n"
    "    object TvgBrushObject\r\n"
    "      ResourceName = 'grip'\r\n"
    "    end\r\n"
    "    object TvgBrushObject\r\n"
    "      ResourceName = 'close'\r\n"
    "    end\r\n"
    "    object TvgBrushObject\r\n"
    "      ResourceName = 'back'\r\n"
    "    end\r\n"
    "    object TvgBrushObject\r\n"
    "      ResourceName = 'stroke'\r\n"
    "    end\r\n"
    "    object TvgBrushObject\r\n"
    "      ResourceName = 'caption'\r\n"
    "    end\r\n"
    "    object TvgRectangle\r\n"
    "      ResourceName = 'button'\r\n"
    "    end\r\n"
    "    object TvgRectangle\r\n"
    "      ResourceName = 'checkbox'\r\n"
    "    end\r\n"
    "    object TvgBrushObject\r\n"
    "      ResourceName = 'background'\r\n"
    "    end\r\n"
    "  end\r\n"
    "end\r\n";

TEST_F(StreamingTest, StylePartsOfTheWrongKindArePassedOver) {
  UseStyles(kWrongParts);
  for (const TStreamCase& c : StreamCases()) {
    SCOPED_TRACE(c.className);
    auto* control = dynamic_cast<TvgControl*>(New(c.className));
    ASSERT_NE(control, nullptr);
    root->AddObject(control);
    control->SetBounds(10, 10, 60, 40);
    control->SetResource("wrongparts");
    ASSERT_NE(control->StyleObject(), nullptr);
    c.setUp(control);
    ClickAt(30, 30);
    control->Free();
  }
}

}  // namespace
