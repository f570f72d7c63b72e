#include "controls/lists/ComboPopup.h"

TvgPopup* vgCreateComboPopup(TvgControl& combo) {
  auto* popup = new TvgPopup(&combo);
  popup->SetPlacementTarget(&combo);
  popup->SetStaysOpen(false);
  popup->SetStored(false);
  popup->SetParent(&combo);
  popup->SetLocked(true);
  popup->SetDesignHide(true);
  return popup;
}
