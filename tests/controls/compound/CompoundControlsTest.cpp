// The labelled editors: their layout, the track bar's value label, values written straight into
// the editors, changes passed on, and the parts streaming in place inside their owner.
#include "tests/support/ControlsFixture.h"
//
#include "classlib/core/StringStream.h"
#include "controls/boxes/PopupBox.h"
#include "controls/compound/CompoundEditors.h"
#include "controls/compound/CompoundTrackBar.h"
#include "controls/text/Label.h"
#include "controls/textboxes/TextBox.h"
#include "controls/tracks/Track.h"
#include "engine/tree/ObjectStreaming.h"
#include "engine/values/WideStrings.h"

namespace {

class CompoundControlsTest : public ControlsTest {};

TEST_F(CompoundControlsTest, TheTrackBarValueLabelFollowsFrequencyDigitsAndSuffix) {
  auto* compound = Add<TvgCompoundTrackBar>(10, 10, 200, 20);
  compound->TrackBar()->SetMax(100);
  compound->SetSuffix(L" px");
  struct Case {
    float frequency;
    int32_t digits;
    const wchar_t* shown;
  } cases[] = {{0, 2, L"12.50 px"}, {1, 2, L"12 px"}, {0.5f, 1, L"12.5 px"}, {0, 0, L"12 px"}};
  for (const Case& c : cases) {
    compound->TrackBar()->SetFrequency(c.frequency);
    compound->SetDecimalDigits(c.digits);
    compound->SetValue(12.5f);
    EXPECT_EQ(compound->ValueLabel()->Text(), c.shown) << c.frequency << " " << c.digits;
  }
}

TEST_F(CompoundControlsTest, TheEditorsChangeIsTheCompoundsWithTheEditorAsSender) {
  auto* compound = Add<TvgCompoundTrackBar>(10, 10, 200, 20);
  compound->TrackBar()->SetMax(100);
  TObject* sender = nullptr;
  compound->OnChange = [&](TObject* s) { sender = s; };
  compound->SetValue(40);
  EXPECT_EQ(sender, compound->TrackBar());
  EXPECT_EQ(compound->ValueLabel()->Text(), L"40.00");
}

TEST_F(CompoundControlsTest, SettingAPopupCompoundsValueSelectsThatItem) {
  auto* compound = Add<TvgCompoundPopupBox>(10, 40, 200, 21);
  compound->PopupBox()->Items()->SetText(L"one\r\ntwo\r\nthree");
  compound->SetValue(2);
  EXPECT_EQ(compound->PopupBox()->ItemIndex(), 2);
  EXPECT_EQ(compound->PopupBox()->Text(), L"three");
  EXPECT_EQ(compound->Value(), 2);
}

TEST_F(CompoundControlsTest, TheCaptionSitsLeftAndTheEditorFillsTheRest) {
  auto* compound = Add<TvgCompoundTextBox>(10, 70, 200, 21);
  EXPECT_EQ(compound->TextLabel()->Text(), L"Caption");
  EXPECT_EQ(compound->TextLabel()->Width(), 70);
  const TvgRect editor = compound->TextBox()->GetAbsoluteRect();
  EXPECT_GE(editor.Left, compound->TextLabel()->GetAbsoluteRect().Right);
  EXPECT_FLOAT_EQ(editor.Right, compound->GetAbsoluteRect().Right);
  compound->SetValue(L"\u6587\u5b57");
  EXPECT_EQ(compound->TextBox()->Text(), L"\u6587\u5b57");
}

TEST_F(CompoundControlsTest, PartsStreamInPlaceAndReadBack) {
  auto* compound = new TvgCompoundTextBox(nullptr);
  compound->TextLabel()->SetText(L"Name");
  compound->SetValue(L"Ada");
  TStringStream text;
  vgSaveObjectToText(compound, text);
  const std::string written = text.DataString();
  EXPECT_NE(written.find("TextLabel.Text = 'Name'"), std::string::npos) << written;
  EXPECT_EQ(written.find("object TvgLabel"), std::string::npos) << "the parts are not streamed on their own";
  TStringStream input(written);
  auto* loaded = dynamic_cast<TvgCompoundTextBox*>(vgLoadObjectFromText(nullptr, input));
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->TextLabel()->Text(), L"Name");
  EXPECT_EQ(loaded->Value(), L"Ada");
  EXPECT_EQ(loaded->ChildrenCount(), compound->ChildrenCount()) << "no second set of parts";
  loaded->Free();
  compound->Free();
}

}  // namespace
