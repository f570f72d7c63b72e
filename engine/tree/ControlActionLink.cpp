#include "engine/tree/ControlActionLink.h"

#include <variant>

#include "classlib/core/TextCodec.h"
#include "engine/tree/Control.h"

namespace {

const TPropInfo* Published(const TObject& object, const char* name, TPropKind kind) {
  const TPropInfo* prop = FindPropInfo(&object, name);
  return prop && prop->Kind == kind && !prop->IsReadOnly() ? prop : nullptr;
}

}  // namespace

bool vgHasPublishedText(const TObject& object) { return Published(object, "Text", TPropKind::WideString); }

std::wstring vgPublishedText(const TObject& object) {
  const TPropInfo* prop = Published(object, "Text", TPropKind::WideString);
  return prop ? std::get<std::wstring>(prop->Get(object)) : std::wstring();
}

void vgSetPublishedText(TObject& object, const std::wstring& text) {
  if (const TPropInfo* prop = Published(object, "Text", TPropKind::WideString)) prop->Set(object, text);
}

bool vgHasPublishedChecked(const TObject& object) { return Published(object, "IsChecked", TPropKind::Boolean); }

bool vgPublishedChecked(const TObject& object) {
  const TPropInfo* prop = Published(object, "IsChecked", TPropKind::Boolean);
  return prop && std::get<int64_t>(prop->Get(object)) != 0;
}

void vgSetPublishedChecked(TObject& object, bool checked) {
  if (const TPropInfo* prop = Published(object, "IsChecked", TPropKind::Boolean)) prop->Set(object, int64_t(checked));
}

TvgControlActionLink::TvgControlActionLink(TvgControl* client) : TActionLink(client), client_(client) {}

bool TvgControlActionLink::DoShowHint(std::string& hint) {
  if (TCustomAction* action = CustomAction()) action->DoHint(hint);
  return true;
}

bool TvgControlActionLink::IsCaptionLinked() {
  TCustomAction* action = CustomAction();
  return action && vgHasPublishedText(*client_) && vgPublishedText(*client_) == GbkToUtf16(action->Caption());
}

bool TvgControlActionLink::IsCheckedLinked() {
  TCustomAction* action = CustomAction();
  return action && vgHasPublishedChecked(*client_) && vgPublishedChecked(*client_) == action->Checked();
}

bool TvgControlActionLink::IsEnabledLinked() {
  TCustomAction* action = CustomAction();
  return action && client_->Enabled() == action->Enabled();
}

bool TvgControlActionLink::IsHelpLinked() {
  TCustomAction* action = CustomAction();
  return action && client_->HelpContext() == action->HelpContext() &&
         client_->HelpKeyword() == action->HelpKeyword() && client_->HelpType() == action->HelpType();
}

bool TvgControlActionLink::IsHintLinked() {
  TCustomAction* action = CustomAction();
  return action && client_->Hint() == GbkToUtf16(action->Hint());
}

bool TvgControlActionLink::IsVisibleLinked() {
  TCustomAction* action = CustomAction();
  return action && client_->Visible() == action->Visible();
}

bool TvgControlActionLink::IsOnExecuteLinked() {
  return Action() && client_->OnClick.SameHandler(Action()->OnExecute());
}

void TvgControlActionLink::SetCaption(const std::string& caption) {
  if (IsCaptionLinked()) vgSetPublishedText(*client_, GbkToUtf16(caption));
}

void TvgControlActionLink::SetChecked(bool checked) {
  if (IsCheckedLinked()) vgSetPublishedChecked(*client_, checked);
}

void TvgControlActionLink::SetEnabled(bool enabled) {
  if (IsEnabledLinked()) client_->SetEnabled(enabled);
}

void TvgControlActionLink::SetHelpContext(int32_t context) {
  if (IsHelpLinked()) client_->SetHelpContext(context);
}

void TvgControlActionLink::SetHelpKeyword(const std::string& keyword) {
  if (IsHelpLinked()) client_->SetHelpKeyword(keyword);
}

void TvgControlActionLink::SetHelpType(THelpType type) {
  if (IsHelpLinked()) client_->SetHelpType(type);
}

void TvgControlActionLink::SetHint(const std::string& hint) {
  if (IsHintLinked()) client_->SetHint(GbkToUtf16(hint));
}

void TvgControlActionLink::SetVisible(bool visible) {
  if (IsVisibleLinked()) client_->SetVisible(visible);
}

void TvgControlActionLink::SetOnExecute(const TNotifyEvent& handler) {
  if (IsOnExecuteLinked()) client_->OnClick = handler;
}
