#include "classlib/desktop/Cursors.h"

#include "classlib/desktop/Win32.h"

namespace {
struct TStandardCursor {
  TCursor Cursor;
  const char* Name;
  LPCSTR SystemId;  // nullptr: no cursor
};

// The drag and split shapes have no system cursor of their own; the nearest system shape stands in.
const TStandardCursor kStandardCursors[] = {
    {crDefault, "crDefault", IDC_ARROW},     {crNone, "crNone", nullptr},
    {crArrow, "crArrow", IDC_ARROW},         {crCross, "crCross", IDC_CROSS},
    {crIBeam, "crIBeam", IDC_IBEAM},         {crSizeNESW, "crSizeNESW", IDC_SIZENESW},
    {crSizeNS, "crSizeNS", IDC_SIZENS},      {crSizeNWSE, "crSizeNWSE", IDC_SIZENWSE},
    {crSizeWE, "crSizeWE", IDC_SIZEWE},      {crUpArrow, "crUpArrow", IDC_UPARROW},
    {crHourGlass, "crHourGlass", IDC_WAIT},  {crDrag, "crDrag", IDC_ARROW},
    {crNoDrop, "crNoDrop", IDC_NO},          {crHSplit, "crHSplit", IDC_SIZEWE},
    {crVSplit, "crVSplit", IDC_SIZENS},      {crMultiDrag, "crMultiDrag", IDC_ARROW},
    {crSQLWait, "crSQLWait", IDC_WAIT},      {crNo, "crNo", IDC_NO},
    {crAppStart, "crAppStart", IDC_APPSTARTING}, {crHelp, "crHelp", IDC_HELP},
    {crHandPoint, "crHandPoint", IDC_HAND},  {crSizeAll, "crSizeAll", IDC_SIZEALL},
};
}  // namespace

const TIdentMap& CursorIdents() {
  static const TIdentMap map = [] {
    TIdentMap entries;
    for (const TStandardCursor& c : kStandardCursors) entries.push_back({c.Cursor, c.Name});
    return entries;
  }();
  return map;
}

HCURSOR LoadStandardCursor(TCursor cursor) {
  for (const TStandardCursor& c : kStandardCursors)
    if (c.Cursor == cursor) return c.SystemId ? LoadCursorA(nullptr, c.SystemId) : nullptr;
  return nullptr;
}
