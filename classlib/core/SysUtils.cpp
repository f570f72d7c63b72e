#include "classlib/core/SysUtils.h"
