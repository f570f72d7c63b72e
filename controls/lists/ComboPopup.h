#pragma once
// The pop-up every combo control keeps beneath itself: hidden until it drops down, placed against
// the combo, closed by a click elsewhere, locked, and not written with the combo.
#include "engine/scene/Popup.h"

TvgPopup* vgCreateComboPopup(TvgControl& combo);
