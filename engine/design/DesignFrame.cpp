#include "engine/design/DesignFrame.h"

CL_PUBLISHED(TvgDesignFrame) {
  published.Property("OnChange", &TvgDesignFrame::OnChange, &TvgDesignFrame::OnChange);
  published.Property("OnTrack", &TvgDesignFrame::OnTrack, &TvgDesignFrame::OnTrack);
}
