#include "engine/tree/Content.h"

CL_PUBLISHED(TvgContent) {}
