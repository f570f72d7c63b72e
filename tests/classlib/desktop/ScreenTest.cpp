#include "tests/support/DesktopFixture.h"
#include "classlib/desktop/Icon.h"
#include "classlib/desktop/Screen.h"

using ScreenTest = DesktopTest;

TEST_F(ScreenTest, ReportsThePrimaryMonitorAndTheDesktop) {
  EXPECT_EQ(Screen->Width(), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(Screen->Height(), GetSystemMetrics(SM_CYSCREEN));
  EXPECT_GE(Screen->DesktopWidth(), Screen->Width());
  EXPECT_GE(Screen->DesktopHeight(), Screen->Height());
  EXPECT_GT(Screen->PixelsPerInch(), 0);
}

TEST_F(ScreenTest, HasACursorForEveryNamedIdentifierButNone) {
  for (const TIdentMapEntry& entry : CursorIdents()) {
    if (entry.Value == crNone) EXPECT_EQ(Screen->Cursors(entry.Value), nullptr);
    else EXPECT_NE(Screen->Cursors(entry.Value), nullptr) << entry.Name;
  }
  int32_t value = 0;
  ASSERT_TRUE(IdentToInt(CursorIdents(), "crHandPoint", value));
  EXPECT_EQ(value, crHandPoint);
  EXPECT_EQ(Screen->Cursors(crHandPoint), LoadCursorA(nullptr, IDC_HAND));
}

TEST_F(ScreenTest, ACursorReplacedBySystemsOwnComesBackWhenCleared) {
  HCURSOR hand = LoadCursorA(nullptr, IDC_HAND), wait = LoadCursorA(nullptr, IDC_WAIT);
  Screen->SetCursors(crHandPoint, wait);
  EXPECT_EQ(Screen->Cursors(crHandPoint), wait);
  EXPECT_EQ(Screen->Cursors(crArrow), LoadCursorA(nullptr, IDC_ARROW));
  Screen->SetCursors(crHandPoint, nullptr);
  EXPECT_EQ(Screen->Cursors(crHandPoint), hand);
}

TEST_F(ScreenTest, TheApplicationIconIsTheProgramsMainIcon) {
  EXPECT_TRUE(Application->Icon()->HandleAllocated());
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(Application->Icon()->Handle(), &info));
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  EXPECT_TRUE(info.fIcon);
}

TEST_F(ScreenTest, AnIconCopiesAnotherAndTellsOfEachChange) {
  TIcon icon;
  int changes = 0;
  icon.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &icon);
    ++changes;
  };
  icon.Assign(Application->Icon());
  EXPECT_TRUE(icon.HandleAllocated());
  EXPECT_NE(icon.Handle(), Application->Icon()->Handle());
  icon.Assign(nullptr);
  EXPECT_TRUE(icon.Empty());
  icon.LoadFromResourceName(GetModuleHandleW(nullptr), L"NOSUCHICON");
  EXPECT_TRUE(icon.Empty());
  EXPECT_EQ(changes, 2);
}
