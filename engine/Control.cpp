#include "engine/Control.h"

#include <algorithm>

CL_PUBLISHED(TvgControl) {
  using C = TvgControl;
  published.Property("HelpType", &C::HelpType, &C::SetHelpType).Default(htContext);
  published.Property("HelpKeyword", &C::HelpKeyword, &C::SetHelpKeyword);
  published.Property("HelpContext", &C::HelpContext, &C::SetHelpContext).Default(0);
  published.Property("Resource", &C::Resource, &C::SetResource);
  published.Property("TabOrder", &C::TabOrder, &C::SetTabOrder).Default(-1);
}

TvgControl::TvgControl(TComponent* owner) : TvgVisualObject(owner) {}

void TvgControl::SetHelpKeyword(const std::string& keyword) {
  helpKeyword_ = keyword;
  if (!Loading()) helpType_ = htKeyword;
}

void TvgControl::SetHelpContext(int32_t context) {
  helpContext_ = context;
  if (!Loading()) helpType_ = htContext;
}

int TvgControl::TabOrder() const {
  if (!Parent() || !Parent()->IsVisual()) return -1;
  auto& list = Parent()->Visual()->TabList();
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : int(it - list.begin());
}

void TvgControl::SetTabOrder(int) {}

TvgObject* TvgControl::FindResource(const std::string& name) {
  if (styleObject_)
    if (TvgObject* found = styleObject_->FindResource(name)) return found;
  return TvgObject::FindResource(name);
}
