// The number and spin boxes: the value's text for each type and number of decimals, the limits
// on typed values and on steps, Up and Down, the wheel, dragging the number box and its bar, the
// spin buttons (and their repeat while held), and data binding.
#include "tests/controls/textboxes/TextBoxFixture.h"
//
#include "classlib/core/StringStream.h"
#include "classlib/desktop/Locale.h"
#include "engine/tree/ObjectStreaming.h"
#include "controls/buttons/Button.h"
#include "controls/textboxes/NumberBox.h"
#include "controls/textboxes/SpinBox.h"
#include "engine/paint/Bitmap.h"

namespace {

// The user's decimal separator in place of the points of a text.
std::wstring Localised(std::wstring text) {
  for (wchar_t& c : text)
    if (c == L'.') c = LocaleDecimalSeparator();
  return text;
}

TEST(ValueText, FollowsTheTypeAndTheDecimalDigits) {
  struct Case {
    float value;
    TvgValueType type;
    int digits;
    const wchar_t* text;
  } const cases[] = {
      {2.5f, vgValueInteger, 2, L"2"},   {2.5f, vgValueFloat, 2, L"2.50"}, {-2.5f, vgValueInteger, 2, L"-2"},
      {3, vgValueFloat, 2, L"3"},        {2.25f, vgValueFloat, 1, L"2.2"}, {2.5f, vgValueFloat, 0, L"2"},
      {2.5f, vgValueFloat, -3, L"2"},    {0.5f, vgValueFloat, 40, L"0.500000000000000"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(vgValueText(c.value, c.type, c.digits), Localised(c.text)) << c.value << " digits " << c.digits;
}

TEST(ValueText, ReadsTypedNumbersAndRefusesTheRest) {
  struct Case {
    std::wstring text;
    bool number;
    float value;
  } const cases[] = {
      {L"25", true, 25}, {L"-1.5", true, -1.5f}, {Localised(L"0.25"), true, 0.25f}, {L"+7", true, 7},
      {L"", false, 0},   {L"1-2", false, 0},     {L"abc", false, 0},               {L"1e99", false, 0},
  };
  for (const Case& c : cases) {
    float value = -99;
    EXPECT_EQ(vgTryTextToValue(c.text, value), c.number) << std::string(c.text.begin(), c.text.end());
    if (c.number) EXPECT_EQ(value, c.value);
  }
}

class ValueBoxTest : public TextBoxTest {};

TEST_F(ValueBoxTest, StartsAtZeroAndTakesOnlyNumberCharacters) {
  Focused<TvgNumberBox>();
  EXPECT_EQ(box->Text(), L"0");
  Key(VK_END);
  Type(L"1a-x,");
  EXPECT_EQ(box->Text(), L"01-,");
  auto* spin = Add<TvgSpinBox>(20, 60, 100, 22);
  EXPECT_EQ(spin->Text(), L"0");
  EXPECT_EQ(spin->TextAlign(), vgTextAlignCenter);
  EXPECT_EQ(spin->FilterChar(), L"0123456789.,-+");
}

TEST_F(ValueBoxTest, ReturnReadsTheTypedValueWithinItsLimits) {
  auto* number = Focused<TvgNumberBox>();
  struct Case {
    const wchar_t* typed;
    TvgValueType type;
    float value;
    const wchar_t* shown;
  } const cases[] = {
      {L"25", vgValueInteger, 10, L"10"},   {L"-4", vgValueInteger, 0, L"0"},   {L"7", vgValueInteger, 7, L"7"},
      {L"nope", vgValueInteger, 7, L"7"},   {L"2.5", vgValueInteger, 2.5f, L"2"}, {L"2.5", vgValueFloat, 2.5f, L"2.5"},
      {L"0.1", vgValueFloat, 0.1f, L"0.1"}, {L"--", vgValueFloat, 0.1f, L"0.10"},
  };
  for (const Case& c : cases) {
    number->SetValueType(c.type);
    number->SelectAll();
    Type(Localised(c.typed));
    Key(VK_RETURN);
    EXPECT_EQ(number->Value(), c.value) << "typed " << std::wstring(c.typed).size();
    EXPECT_EQ(number->Text(), Localised(c.shown));
  }
  EXPECT_GE(changes, 1);
}

TEST_F(ValueBoxTest, SetValueClampsButNewLimitsWaitForTheNextValue) {
  auto* number = AddBox<TvgNumberBox>();
  number->SetValue(4);
  EXPECT_EQ(trackings, 0) << "the value's text is no typing";
  number->SetMin(6);
  EXPECT_EQ(number->Value(), 4);
  number->SetValue(5);
  EXPECT_EQ(number->Value(), 6);
  number->SetValue(100);
  EXPECT_EQ(number->Value(), 10);
  EXPECT_EQ(number->Text(), L"10");
  number->SetValueType(vgValueFloat);
  number->SetMin(0);
  number->SetValue(2.5f);
  EXPECT_EQ(number->Text(), Localised(L"2.50"));
  number->SetDecimalDigits(99);
  number->SetValue(1.25f);
  EXPECT_EQ(number->Text(), Localised(L"1.250000000000000")) << "decimals clamped to 15";
}

TEST_F(ValueBoxTest, UpDownAndTheWheelStepByTheIncrement) {
  auto* number = Focused<TvgNumberBox>();
  number->SetHorzIncrement(2);
  Key(VK_UP);
  Key(VK_UP);
  EXPECT_EQ(number->Value(), 4);
  Key(VK_DOWN);
  EXPECT_EQ(number->Value(), 2);
  for (int i = 0; i < 10; ++i) Key(VK_UP);
  EXPECT_EQ(number->Value(), 10) << "no step past Max";
  Move(50, 30);
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), MAKELPARAM(kFormLeft + 50, kFormTop + 30));
  EXPECT_EQ(number->Value(), 8);
  EXPECT_EQ(changes, 1) << "a wheel step reports at once";
  auto* spin = Add<TvgSpinBox>(20, 60, 100, 22);
  spin->SetIncrement(3);
  spin->SetFocus();
  Key(VK_UP);
  EXPECT_EQ(spin->Value(), 3);
  Key(VK_DOWN);
  Key(VK_DOWN);
  EXPECT_EQ(spin->Value(), 0);
}

TEST_F(ValueBoxTest, DraggingStepsOncePerMoveAndShowsItsBar) {
  auto* number = AddBox<TvgNumberBox>();
  number->SetMax(100);
  number->SetValue(50);
  std::unique_ptr<TvgBitmap> before = number->MakeScreenshot();
  Press(60, 31);
  Move(70, 31, MK_LBUTTON);
  Move(80, 33, MK_LBUTTON);
  EXPECT_EQ(number->Value(), 52) << "two moves to the right";
  Move(70, 31, MK_LBUTTON);
  EXPECT_EQ(number->Value(), 51);
  std::unique_ptr<TvgBitmap> sideways = number->MakeScreenshot();
  Move(71, 20, MK_LBUTTON);
  EXPECT_EQ(number->Value(), 56) << "up by VertIncrement";
  Move(71, 30, MK_LBUTTON);
  EXPECT_EQ(number->Value(), 51);
  std::unique_ptr<TvgBitmap> upright = number->MakeScreenshot();
  EXPECT_EQ(changes, 0);
  Send(WM_LBUTTONUP, 0, MAKELPARAM(71, 30));
  EXPECT_FALSE(number->Dragging());
  EXPECT_EQ(changes, 1) << "the release reports the dragged value";
  std::unique_ptr<TvgBitmap> after = number->MakeScreenshot();
  // The bar: along the bottom after a sideways step, along the right edge after a vertical one.
  const auto at = [](TvgBitmap& shot, int x, int y) { return shot.Bits()[y * shot.Width() + x]; };
  EXPECT_NE(at(*sideways, 50, 19), at(*before, 50, 19));
  EXPECT_NE(at(*upright, 96, 8), at(*before, 96, 8));
  EXPECT_EQ(at(*upright, 50, 19), at(*before, 50, 19));
  EXPECT_EQ(at(*after, 50, 19), at(*before, 50, 19)) << "no bar once released";
  EXPECT_EQ(at(*after, 96, 8), at(*before, 96, 8));
}

TEST_F(ValueBoxTest, TheSpinButtonsStepAndReportAndRepeatWhileHeld) {
  auto* spin = AddBox<TvgSpinBox>();
  auto* minus = dynamic_cast<TvgCustomButton*>(spin->FindResource("minusbutton"));
  auto* plus = dynamic_cast<TvgCustomButton*>(spin->FindResource("plusbutton"));
  ASSERT_NE(minus, nullptr);
  ASSERT_NE(plus, nullptr);
  EXPECT_TRUE(plus->RepeatClick());
  const TvgRect r = plus->GetAbsoluteRect();
  const int x = int((r.Left + r.Right) / 2), y = int((r.Top + r.Bottom) / 2);
  ClickAt(x, y);
  EXPECT_EQ(spin->Value(), 1);
  EXPECT_TRUE(spin->IsFocused());
  EXPECT_EQ(changes, 1);
  const TvgRect m = minus->GetAbsoluteRect();
  ClickAt(int((m.Left + m.Right) / 2), y);
  ClickAt(int((m.Left + m.Right) / 2), y);
  EXPECT_EQ(spin->Value(), 0) << "not below Min";
  EXPECT_EQ(spin->Text(), L"0");
}

TEST_F(ValueBoxTest, AnIntegerSpinBoxDropsAFractionalIncrement) {
  auto* spin = AddBox<TvgSpinBox>();
  spin->SetValueType(vgValueFloat);
  spin->SetIncrement(0.5f);
  spin->SetValueType(vgValueFloat);
  EXPECT_EQ(spin->Increment(), 0.5f);
  spin->SetValueType(vgValueInteger);
  EXPECT_EQ(spin->Increment(), 1);
}

TEST_F(ValueBoxTest, AValueReadBeforeItsMaxMeetsTheMaxReadAfterIt) {
  TStringStream input("object N: TvgNumberBox\r\n  Value = 50\r\n  Max = 100\r\nend\r\n");
  auto* number = dynamic_cast<TvgNumberBox*>(vgLoadObjectFromText(nullptr, input));
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(number->Value(), 50);
  EXPECT_EQ(number->Text(), L"50");
  number->Free();
  TStringStream over("object N: TvgNumberBox\r\n  Value = 500\r\n  Max = 100\r\nend\r\n");
  number = dynamic_cast<TvgNumberBox*>(vgLoadObjectFromText(nullptr, over));
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(number->Value(), 100);
  number->Free();
}

TEST_F(ValueBoxTest, DataIsTheValue) {
  auto* number = AddBox<TvgNumberBox>();
  number->SetData(Variant(7.0));
  EXPECT_EQ(number->Value(), 7);
  EXPECT_EQ(number->GetData().ToDouble(), 7);
}

}  // namespace
