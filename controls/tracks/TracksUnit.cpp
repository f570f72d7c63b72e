#include "controls/tracks/TracksUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/tracks/AngleButton.h"
#include "controls/tracks/AniIndicator.h"
#include "controls/tracks/ProgressBar.h"
#include "controls/tracks/ScrollBar.h"
#include "controls/tracks/Thumb.h"
#include "controls/tracks/Track.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeTracksUnit() {
  if (!unit.Initializing()) return;
  RegisterClasses({TvgThumb::StaticClass()});
  vgRegisterObjects("Controls", {TvgProgressBar::StaticClass(), TvgTrack::StaticClass(),
                                 TvgScrollBar::StaticClass(), TvgSmallScrollBar::StaticClass(),
                                 TvgAniIndicator::StaticClass(), TvgTrackBar::StaticClass()});
  vgRegisterObjects("Buttons", {TvgAngleButton::StaticClass()});
  vgRegisterObjects("HUD", {TvgHudAngleButton::StaticClass(), TvgHudTrack::StaticClass(),
                            TvgHudTrackBar::StaticClass(), TvgHudScrollBar::StaticClass()});
}
