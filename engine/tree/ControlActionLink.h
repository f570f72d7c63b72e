#pragma once
// TvgControlActionLink: the action link of a TvgControl. A property of the control follows the
// action only while it still holds the action's value: the caption for a control whose text is
// the caption, the enabled, checked and visible states, the hint, the help and the click handler
// likewise.
#include <string>

#include "classlib/desktop/Action.h"

class TvgControl;

class TvgControlActionLink : public TActionLink {
public:
  explicit TvgControlActionLink(TvgControl* client);

  TvgControl* ClientControl() const { return client_; }
  // Lets a custom action adjust the hint about to show; always true.
  bool DoShowHint(std::string& hint);

  bool IsCaptionLinked() override;
  bool IsCheckedLinked() override;
  bool IsEnabledLinked() override;
  bool IsHelpLinked() override;
  bool IsHintLinked() override;
  bool IsVisibleLinked() override;
  bool IsOnExecuteLinked() override;

  void SetCaption(const std::string& caption) override;
  void SetChecked(bool checked) override;
  void SetEnabled(bool enabled) override;
  void SetHelpContext(int32_t context) override;
  void SetHelpKeyword(const std::string& keyword) override;
  void SetHelpType(THelpType type) override;
  void SetHint(const std::string& hint) override;
  void SetVisible(bool visible) override;
  void SetOnExecute(const TNotifyEvent& handler) override;

private:
  TvgControl* client_;
};

// The text and checked state of controls that publish them ("Text", "IsChecked"); a control
// without them has none to follow an action with.
bool vgHasPublishedText(const TObject& object);
std::wstring vgPublishedText(const TObject& object);
void vgSetPublishedText(TObject& object, const std::wstring& text);
bool vgHasPublishedChecked(const TObject& object);
bool vgPublishedChecked(const TObject& object);
void vgSetPublishedChecked(TObject& object, bool checked);
