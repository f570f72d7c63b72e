#pragma once
// Buttons. TvgCustomButton is the pressable text control: a left press holds IsPressed (which
// styles animate through the trigger "IsPressed") until the release, or toggles it with
// StaysPressed; a release inside, Enter and Space click it; with RepeatClick it clicks again
// 600 ms after the press and then every 100 ms while held; a ModalResult closes the form that
// hosts its scene. TvgButton adds the default (Enter) and cancel (Escape) keys of dialogs.

#include "controls/text/TextControl.h"

class TTimer;

class TvgCustomButton : public TvgTextControl {
  CL_CLASS(TvgCustomButton, TvgTextControl)
public:
  explicit TvgCustomButton(TComponent* owner);

  bool IsPressed() const { return isPressed_; }
  // Taken from outside only while StaysPressed is on.
  void SetIsPressed(bool pressed);
  bool StaysPressed() const { return staysPressed_; }
  void SetStaysPressed(bool stays) { staysPressed_ = stays; }
  bool RepeatClick() const { return repeatClick_; }
  void SetRepeatClick(bool repeat) { repeatClick_ = repeat; }
  int32_t ModalResult() const { return modalResult_; }
  void SetModalResult(int32_t result) { modalResult_ = result; }

  // A packed method becomes OnClick; other values are ignored.
  void SetData(const Variant& value) override;
  void Click() override;
  void DblClick() override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseMove(TShiftState shift, float x, float y, float dx, float dy) override;
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y) override;
  void KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) override;
  void ApplyStyle() override;

private:
  void ShowPressed(bool pressed);
  void StartRepeating();
  void SetModalResultOfHostForm();

  bool isPressed_ = false;
  bool staysPressed_ = false;
  bool repeatClick_ = false;
  int32_t modalResult_ = 0;
  bool tracking_ = false;
  TTimer* repeatTimer_ = nullptr;  // owned as a component, made at the first repeating press
};

class TvgButton : public TvgCustomButton {
  CL_CLASS(TvgButton, TvgCustomButton)
public:
  using TvgCustomButton::TvgCustomButton;

  // Default: Enter offered to the dialog keys clicks the button; Cancel: Escape does.
  bool Default() const { return default_; }
  void SetDefault(bool value) { default_ = value; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }

  void DialogKey(uint16_t& key, TShiftState shift) override;

private:
  bool default_ = false;
  bool cancel_ = false;
};

class TvgRoundButton : public TvgButton {
  CL_CLASS(TvgRoundButton, TvgButton)
public:
  using TvgButton::TvgButton;
};

class TvgCircleButton : public TvgButton {
  CL_CLASS(TvgCircleButton, TvgButton)
public:
  explicit TvgCircleButton(TComponent* owner);
};

class TvgHudButton : public TvgButton {
  CL_CLASS(TvgHudButton, TvgButton)
public:
  using TvgButton::TvgButton;
};

class TvgHudRoundButton : public TvgButton {
  CL_CLASS(TvgHudRoundButton, TvgButton)
public:
  using TvgButton::TvgButton;
};

class TvgHudCircleButton : public TvgCircleButton {
  CL_CLASS(TvgHudCircleButton, TvgCircleButton)
public:
  using TvgCircleButton::TvgCircleButton;
};

// The button that opens and closes an expander; not a focus stop.
class TvgExpanderButton : public TvgCustomButton {
  CL_CLASS(TvgExpanderButton, TvgCustomButton)
public:
  explicit TvgExpanderButton(TComponent* owner);
};
