// Tests that move the display's real pointer; they run one at a time with the other pointer users.
#include <algorithm>

#include "tests/support/DesktopFixture.h"
#include "ProbeControl.h"

using PointerTest = DesktopTest;

TEST_F(PointerTest, AControlTellsWhenTheMouseComesAndLeaves) {
  Owned<TForm> form(new TForm(nullptr));
  form->SetBorderStyle(bsNone);
  form->SetBounds(100, 120, 300, 200);
  auto* probe = new TProbeControl(form.get());
  probe->SetBounds(10, 20, 100, 50);
  probe->SetParent(form.get());
  form->Show();
  auto seen = [&](const char* event) {
    return std::find(probe->events.begin(), probe->events.end(), event) != probe->events.end();
  };
  EXPECT_TRUE(PumpUntil([&] {
    SetCursorPos(100 + 40, 120 + 40);
    return seen("enter");
  }));
  EXPECT_TRUE(PumpUntil([&] {
    SetCursorPos(700, 700);
    return seen("leave");
  }));
}
