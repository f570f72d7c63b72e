#pragma once
// Cursor identifiers of controls. Screen->Cursors maps each to a cursor handle; a program may
// replace an entry with a cursor of its own choice (for example the system's hand cursor).
#include "classlib/desktop/Win32Handles.h"

#include <cstdint>

#include "classlib/core/Property.h"

using TCursor = int32_t;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crMultiDrag = -16;
inline constexpr TCursor crSQLWait = -17;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

const TIdentMap& CursorIdents();
// The class library's own cursor for an identifier (a shared system cursor), nullptr for crNone
// and for identifiers it does not know.
HCURSOR LoadStandardCursor(TCursor cursor);
