#pragma once
// The combo tests' fixture: a shown form, combos at (20, 20) styled as their constructors chose,
// what they report counted, keys and clicks sent to the window of an open pop-up, and real input.
#include "tests/support/ControlsFixture.h"
//
#include <initializer_list>
#include <string>

#include "engine/scene/Popup.h"
#include "engine/scene/PopupForm.h"
#include "engine/values/WideStrings.h"

class ComboTest : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    form->Show();
  }
  void TearDown() override {
    SetCursorPos(0, 0);
    ControlsTest::TearDown();
    PumpFor(20);  // lets released pop-up forms go
  }
  template <class T>
  T* Combo(float width = 100, float y = 20) {
    const Owned<T> probe(new T(nullptr));
    T* made = Add<T>(20, y, width, 22, probe->Resource());
    made->OnChange = [this](TObject*) { ++changes; };
    return made;
  }
  static void SetStrings(TvgWideStrings* strings, std::initializer_list<const wchar_t*> texts) {
    strings->BeginUpdate();
    strings->Clear();
    for (const wchar_t* text : texts) strings->Add(text);
    strings->EndUpdate();
  }
  static HWND PopupWindow(TvgPopup* popup) { return popup->PopupScene()->Handle(); }
  static void KeyIn(TvgPopup* popup, WPARAM key) {
    if (!popup->PopupScene()) {
      ADD_FAILURE() << "the pop-up is not open";
      return;
    }
    HWND window = PopupWindow(popup);  // still there for the release when the key closed it
    SendMessageW(window, WM_KEYDOWN, key, 0);
    SendMessageW(window, WM_KEYUP, key, 0);
  }
  // A press at (x, y) of the pop-up's window and its release at (toX, toY).
  static void DragIn(TvgPopup* popup, int x, int y, int toX, int toY) {
    if (!popup->PopupScene()) {
      ADD_FAILURE() << "the pop-up is not open";
      return;
    }
    HWND window = PopupWindow(popup);
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, toY));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(toX, toY));
  }
  static void ClickIn(TvgPopup* popup, int x, int y) { DragIn(popup, x, y, x, y); }
  // Real input, which moves the activation as the system does: a click at (x, y) of the form,
  // a key pressed and released; each pumped until handled.
  void ClickOnScreen(int x, int y) {
    SetCursorPos(kFormLeft + x, kFormTop + y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpFor(100);
  }
  static void TypeKey(WORD key) {
    for (DWORD flags : {DWORD(0), DWORD(KEYEVENTF_KEYUP)}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = key;
      input.ki.dwFlags = flags;
      SendInput(1, &input, sizeof(input));
    }
    PumpFor(100);
  }
  static RECT PopupRect(TvgPopup* popup) {
    RECT r{};
    GetWindowRect(popup->PopupForm()->Handle(), &r);
    return r;
  }

  int changes = 0;

private:
  static void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
  }
};
