#pragma once
// The input method as the scene uses it: the composition font and window, the result string of
// a finished composition, and the language of the keyboard layout. The base class calls IMM; a
// stand-in can take its place where no input method composes (Wine without an X input method).
#include "classlib/desktop/Win32.h"
#include <imm.h>

#include <string>

#include "engine/values/Geometry.h"

class TvgFont;

class TvgIme {
public:
  virtual ~TvgIme() = default;
  virtual std::wstring ResultString(HWND window);
  virtual void SetCompositionFont(HWND window, const LOGFONTW& font);
  virtual void SetCompositionWindow(HWND window, const COMPOSITIONFORM& form);
  virtual LANGID KeyboardLanguage();
};

// The input method in use: IMM unless a stand-in was set.
TvgIme& vgIme();
// Puts a stand-in in IMM's place (the caller keeps it alive); nullptr puts IMM back.
void vgSetIme(TvgIme* ime);

// Answered by text controls, so that the composition window opens at their caret in their font.
class IvgImeTarget {
public:
  virtual ~IvgImeTarget() = default;
  virtual TvgFont* ImeFont() = 0;
  // Where the caret lies, from the object's origin.
  virtual TvgPoint ImeCaretOffset() = 0;
};
