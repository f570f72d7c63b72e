#pragma once
// Two-state text controls. A left press shows IsPressed (the trigger "IsPressed") until the
// release; a release inside the control, Enter and Space toggle IsChecked, which starts the
// style's "IsChecked" trigger and fires OnChange. TvgCheckBox toggles freely; TvgPathCheckBox
// draws its mark from Path (the style part "checkmark"). TvgRadioButton (RadioButton.h) keeps one
// button of its group checked.
#include <memory>

#include "controls/text/TextControl.h"

class TvgPathData;

// What check boxes and radio buttons share: the checked and pressed states, the press and keys
// that toggle, and data binding.
class TvgCheckControl : public TvgTextControl {
  CL_CLASS(TvgCheckControl, TvgTextControl)
public:
  explicit TvgCheckControl(TComponent* owner);

  bool IsChecked() const { return isChecked_; }
  // A change starts the "IsChecked" trigger and fires OnChange.
  virtual void SetIsChecked(bool checked);
  bool IsPressed() const { return isPressed_; }

  // IsChecked as a Boolean.
  Variant GetData() override { return Variant(isChecked_); }
  // A packed method becomes OnChange; a Boolean sets IsChecked; anything else unchecks.
  void SetData(const Variant& value) override;
  void ApplyStyle() override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseMove(TShiftState shift, float x, float y, float dx, float dy) override;
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y) override;
  void KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) override;

  TNotifyEvent OnChange;

protected:
  // Stores the state without a word; Report starts its trigger and fires OnChange.
  void StoreCheckedQuietly(bool checked) { isChecked_ = checked; }
  void ReportChecked();

private:
  void ShowPressed(bool pressed);

  bool isChecked_ = false;
  bool isPressed_ = false;
  bool tracking_ = false;
};

class TvgCheckBox : public TvgCheckControl {
  CL_CLASS(TvgCheckBox, TvgCheckControl)
public:
  using TvgCheckControl::TvgCheckControl;
};

class TvgHudCheckBox : public TvgCheckBox {
  CL_CLASS(TvgHudCheckBox, TvgCheckBox)
public:
  using TvgCheckBox::TvgCheckBox;
};

class TvgPathCheckBox : public TvgCheckBox {
  CL_CLASS(TvgPathCheckBox, TvgCheckBox)
public:
  explicit TvgPathCheckBox(TComponent* owner);
  ~TvgPathCheckBox() override;

  // The mark drawn while checked; writing copies the given path.
  TvgPathData* Path() const { return path_.get(); }
  void SetPath(TvgPathData* path);

  void ApplyStyle() override;

private:
  std::unique_ptr<TvgPathData> path_;
};
