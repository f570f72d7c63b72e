#include "engine/Content.h"

CL_PUBLISHED(TvgContent) {}
