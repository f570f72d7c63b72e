#pragma once
// The one gateway to the platform's headers: every file that calls Win32 includes this, never
// <windows.h> itself, and includes further platform headers (shellapi.h, wininet.h, ole2.h...)
// after it. The build defines WIN32_LEAN_AND_MEAN, NOMINMAX and the Windows version for every
// file, as the version must hold before the runtime's first header.
#include <windows.h>

// windows.h maps these names to their ...A/...W functions with macros; they are also names of
// ours (the class registry, the scene objects' operations, string lists' objects, the web page's
// key filter), so the macros go. Calls of those functions name the A or W form.
#undef RegisterClass
#undef FindResource
#undef UpdateResource
#undef GetObject
#undef TranslateAccelerator
