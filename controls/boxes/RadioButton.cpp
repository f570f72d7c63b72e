#include "controls/boxes/RadioButton.h"

#include <vector>

#include "engine/scene/SceneInterface.h"

CL_PUBLISHED(TvgRadioButton) {
  published.Property("GroupName", &TvgRadioButton::GroupName, &TvgRadioButton::SetGroupName);
}

CL_PUBLISHED(TvgHudRadioButton) {}

// A button being checked stands checked at once, so that the peers it unchecks see it; it
// reports the change after them.
void TvgRadioButton::SetIsChecked(bool checked) {
  if (checked == IsChecked()) return;
  if (checked) StoreCheckedQuietly(true);
  const bool peerChecked = VisitPeers(checked);
  if (!checked && !peerChecked) return;
  StoreCheckedQuietly(checked);
  ReportChecked();
}

bool TvgRadioButton::VisitPeers(bool checked) {
  TvgObject* root = Scene() ? Scene()->GetRoot() : nullptr;
  if (!root) return false;
  std::vector<TvgControl*> controls;
  root->AddControlsToList(controls);
  bool peerChecked = false;
  for (TvgControl* control : controls) {
    auto* peer = dynamic_cast<TvgRadioButton*>(control);
    if (!peer || peer == this || peer->GroupName() != groupName_) continue;
    peerChecked = peerChecked || peer->IsChecked();
    if (checked) peer->SetIsChecked(false);
  }
  return peerChecked;
}
