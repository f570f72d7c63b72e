#pragma once
// The screen: metrics of the primary monitor and the desktop, the cursor table, and the forms of
// the program. Screen is made on first use, like Application.
#include "classlib/desktop/Win32.h"

#include <map>
#include <vector>

#include "classlib/desktop/Cursors.h"

class TCustomForm;

class TScreen {
public:
  int Width() const;  // the primary monitor, in pixels
  int Height() const;
  int DesktopLeft() const;  // the bounds of all monitors together
  int DesktopTop() const;
  int DesktopWidth() const;
  int DesktopHeight() const;
  int PixelsPerInch() const;

  // The cursor shown for an identifier; setting nullptr puts the class library's own back.
  HCURSOR Cursors(TCursor cursor) const;
  void SetCursors(TCursor cursor, HCURSOR handle);

  int FormCount() const { return int(forms_.size()); }
  TCustomForm* Forms(int index) const;
  // The program's form whose window is the active window; nullptr when none is.
  TCustomForm* ActiveForm() const;
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);

private:
  std::map<TCursor, HCURSOR> replacedCursors_;
  std::vector<TCustomForm*> forms_;
};

TScreen& ScreenInstance();

// Access as a pointer, Screen->Width(), to the one screen object.
struct TScreenAccess {
  TScreen* operator->() const { return &ScreenInstance(); }
  operator TScreen*() const { return &ScreenInstance(); }
};
inline constexpr TScreenAccess Screen{};
