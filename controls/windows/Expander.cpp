#include "controls/windows/Expander.h"

#include "classlib/core/Persistent.h"
#include "classlib/core/Reader.h"
#include "classlib/core/Writer.h"
#include "controls/boxes/CheckBox.h"
#include "controls/buttons/Button.h"
#include "engine/tree/Content.h"
#include "engine/values/TextForms.h"

CL_PUBLISHED(TvgExpander) {
  using E = TvgExpander;
  published.Property("IsExpanded", &E::IsExpanded, &E::SetIsExpanded).Default(true);
  published.Property("IsChecked", &E::IsChecked, &E::SetIsChecked).Default(true);
  published.Property("ShowCheck", &E::ShowCheck, &E::SetShowCheck).Default(false);
  published.Property("OnCheckChange", &E::OnCheckChange, &E::OnCheckChange);
  published.Property("Font", &E::Font, &E::SetFont);
  published.Property("TextAlign", &E::TextAlign, &E::SetTextAlign).Default(vgTextAlignCenter);
  published.Property("Text", &E::Text, &E::SetText);
  published.Property("AutoTranslate", &E::AutoTranslate, &E::SetAutoTranslate).Default(true);
}

namespace {
constexpr float kHeaderSpace = 25;
}  // namespace

TvgExpander::TvgExpander(TComponent* owner) : TvgTextControl(owner), content_(new TvgContent(nullptr)) {
  SetSizeDirect(130, 130);
  SetAutoTranslate(true);
  content_->SetClipChildren(false);
  content_->SetHitTest(false);
  content_->SetLocked(true);
  content_->SetStored(false);
  content_->Padding()->SetTop(kHeaderSpace);
  content_->SetSizeDirect(Width(), Height());
  TvgTextControl::AddObject(content_);
}

void TvgExpander::AddObject(TvgObject* object) {
  if (object == content_ || object == StyleObject()) TvgTextControl::AddObject(object);
  else content_->AddObject(object);
}

void TvgExpander::ApplyStyle() {
  TvgTextControl::ApplyStyle();
  checkBox_ = dynamic_cast<TvgCheckBox*>(FindResource("checkbox"));
  if (checkBox_) {
    checkBox_->SetVisible(showCheck_);
    checkBox_->SetIsChecked(isChecked_);
    checkBox_->OnChange = [this](TObject*) { CheckBoxChanged(); };
  }
  button_ = dynamic_cast<TvgCustomButton*>(FindResource("button"));
  if (button_) {
    button_->OnClick = [this](TObject*) { SetIsExpanded(!isExpanded_); };
    button_->ApplyResource();
    button_->StartTriggerAnimation(this, "IsExpanded");
    button_->SetCanFocused(false);
  }
  StartTriggerAnimation(this, "IsExpanded");
}

void TvgExpander::FreeStyle() {
  checkBox_ = nullptr;
  button_ = nullptr;
}

void TvgExpander::SetIsExpanded(bool expanded) {
  if (expanded == isExpanded_) return;
  if (!StyleObject()) ApplyResource();
  isExpanded_ = expanded;
  if (expanded) {
    content_->SetVisible(true);
    if (button_) SetHeight(button_->Height() + content_->Height());
    Repaint();
  } else {
    Repaint();
    content_->SetVisible(false);
    if (button_) SetHeight(button_->Height());
  }
  StartExpandedTriggers();
}

void TvgExpander::StartExpandedTriggers() {
  StartTriggerAnimation(this, "IsExpanded");
  if (button_) button_->StartTriggerAnimation(this, "IsExpanded");
}

void TvgExpander::CheckBoxChanged() {
  isChecked_ = checkBox_->IsChecked();
  content_->SetEnabled(isChecked_);
  OnCheckChange(this);
}

void TvgExpander::SetIsChecked(bool checked) {
  if (checked == isChecked_) return;
  isChecked_ = checked;
  content_->SetEnabled(checked);
  if (checkBox_) checkBox_->SetIsChecked(checked);
}

void TvgExpander::SetShowCheck(bool show) {
  if (show == showCheck_) return;
  showCheck_ = show;
  if (checkBox_) checkBox_->SetVisible(show);
}

// Expanded, the content fills the expander below the header.
void TvgExpander::Realign() {
  TvgTextControl::Realign();
  if (Loading() || realigning_ || !isExpanded_) return;
  realigning_ = true;
  const float top = content_->Padding()->Top();
  content_->SetBounds(0, top, Width(), Height() - top);
  realigning_ = false;
}

void TvgExpander::DesignDblClick() {
  TvgTextControl::DesignDblClick();
  SetIsExpanded(!isExpanded_);
}

void TvgExpander::DefineProperties(TFiler& filer) {
  TvgTextControl::DefineProperties(filer);
  filer.DefineProperty(
      "ContentSize", [this](TReader& reader) { content_->SetHeight(vgStrToFloat(reader.ReadString())); },
      [this](TWriter& writer) { writer.WriteString(vgFloatToStr(content_->Height())); }, true);
}
