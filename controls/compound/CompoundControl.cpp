#include "controls/compound/CompoundControl.h"

#include "controls/text/Label.h"
#include "engine/values/Bounds.h"

CL_PUBLISHED(TvgCompoundControl) {
  using C = TvgCompoundControl;
  published.Property("TextLabel", &C::TextLabel);
  published.Property("OnChange", &C::OnChange, &C::OnChange);
}

TvgCompoundControl::TvgCompoundControl(TComponent* owner) : TvgControl(owner) {
  textLabel_ = AddPart<TvgLabel>(this, "TextLabel", vaLeft);
  textLabel_->SetText(L"Caption");
  textLabel_->SetWidth(70);
  textLabel_->Padding()->SetRight(5);
  textLabel_->SetWordWrap(false);
  textLabel_->SetTextAlign(vgTextAlignFar);
}

TvgControl* TvgCompoundControl::AddHolder(TvgAlign align) {
  auto* holder = new TvgControl(this);
  holder->SetLocked(true);
  holder->SetStored(false);
  holder->SetAlign(align);
  AddObject(holder);
  return holder;
}

void TvgCompoundControl::PreparePart(TvgVisualObject& part, TvgVisualObject* parent, const char* name,
                                     TvgAlign align) {
  part.SetName(name);
  part.SetSubComponent(true);
  part.SetLocked(true);
  part.SetStored(false);
  part.SetAlign(align);
  parent->AddObject(&part);
}
