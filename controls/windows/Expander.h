#pragma once
// TvgExpander: a header (its Text, the style's "button" and, while ShowCheck, its "checkbox")
// over a content area that IsExpanded shows or hides; the expander is as tall as the header
// alone when collapsed and as the header and the content when expanded. The style's "IsExpanded"
// trigger runs on the expander and on its button (the arrow turns). Unchecking the check box
// disables the content. Objects added to the expander go into the content.
#include "controls/text/TextControl.h"

class TvgCheckBox;
class TvgContent;
class TvgCustomButton;

class TvgExpander : public TvgTextControl {
  CL_CLASS(TvgExpander, TvgTextControl)
public:
  explicit TvgExpander(TComponent* owner);

  bool IsExpanded() const { return isExpanded_; }
  virtual void SetIsExpanded(bool expanded);
  bool IsChecked() const { return isChecked_; }
  void SetIsChecked(bool checked);
  bool ShowCheck() const { return showCheck_; }
  void SetShowCheck(bool show);
  TvgContent* Content() const { return content_; }

  void AddObject(TvgObject* object) override;
  void ApplyStyle() override;
  void FreeStyle() override;
  void Realign() override;
  void DesignDblClick() override;
  // The content's height travels as "ContentSize", so that a collapsed expander opens to it.
  void DefineProperties(TFiler& filer) override;

  TNotifyEvent OnCheckChange;

private:
  void CheckBoxChanged();
  void StartExpandedTriggers();

  TvgContent* content_;
  TvgCustomButton* button_ = nullptr;
  TvgCheckBox* checkBox_ = nullptr;
  bool isExpanded_ = true;
  bool isChecked_ = true;
  bool showCheck_ = false;
  bool realigning_ = false;
};
