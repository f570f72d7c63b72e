#pragma once
#include "classlib/desktop/Win32.h"

// Raises EOleSysError with the system's text for a failed result of an OLE call.
void OleCheck(HRESULT status);
