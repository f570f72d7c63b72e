#pragma once
// A text box 100 x 22 at (20, 20) of a scene styled by the default style, focused or not, with
// what it reports counted; keys and characters arrive as window messages.
#include "tests/support/ControlsFixture.h"
//
#include <string>

#include "controls/textboxes/TextBox.h"

class TextBoxTest : public ControlsTest {
protected:
  template <class T = TvgTextBox>
  T* AddBox(const std::wstring& text = L"", float width = 100) {
    T* made = Add<T>(20, 20, width, 22);
    if (!text.empty()) made->SetText(text);
    made->OnTyping = [this](TObject*) { ++typings; };
    made->OnChange = [this](TObject*) { ++changes; };
    made->OnChangeTracking = [this](TObject*) { ++trackings; };
    box = made;
    return made;
  }
  template <class T = TvgTextBox>
  T* Focused(const std::wstring& text = L"", float width = 100) {
    T* made = AddBox<T>(text, width);
    made->SetFocus();
    typings = changes = trackings = 0;
    return made;
  }
  void Type(const std::wstring& text) {
    for (wchar_t c : text) Send(WM_CHAR, c, 1);
  }
  // A key with modifiers held, as GetKeyState reports them.
  void KeyWith(std::initializer_list<int> held, WPARAM key) {
    HoldKeys(held);
    Key(key);
    HoldKeys({});
  }
  // Ctrl and a letter: the control character the platform sends for it.
  void CtrlLetter(wchar_t letter) {
    HoldKeys({VK_CONTROL});
    Send(WM_CHAR, WPARAM(letter - L'a' + 1), 1);
    HoldKeys({});
  }
  // Box coordinates to the scene's.
  int SceneX(float x) const { return int(20 + x); }

  TvgCustomTextBox* box = nullptr;
  int typings = 0, changes = 0, trackings = 0;
};
