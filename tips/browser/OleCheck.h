#pragma once
#include <windows.h>

// Raises EOleSysError with the system's text for a failed result of an OLE call.
void OleCheck(HRESULT status);
