#include "classlib/desktop/Screen.h"

#include <algorithm>

#include "classlib/desktop/Form.h"

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }
int TScreen::DesktopLeft() const { return GetSystemMetrics(SM_XVIRTUALSCREEN); }
int TScreen::DesktopTop() const { return GetSystemMetrics(SM_YVIRTUALSCREEN); }
int TScreen::DesktopWidth() const { return GetSystemMetrics(SM_CXVIRTUALSCREEN); }
int TScreen::DesktopHeight() const { return GetSystemMetrics(SM_CYVIRTUALSCREEN); }

int TScreen::PixelsPerInch() const {
  HDC dc = GetDC(nullptr);
  const int ppi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return ppi;
}

HCURSOR TScreen::Cursors(TCursor cursor) const {
  auto it = replacedCursors_.find(cursor);
  if (it != replacedCursors_.end()) return it->second;
  return LoadStandardCursor(cursor);
}

void TScreen::SetCursors(TCursor cursor, HCURSOR handle) {
  if (handle) replacedCursors_[cursor] = handle;
  else replacedCursors_.erase(cursor);
}

TCustomForm* TScreen::Forms(int index) const {
  if (index < 0 || index >= FormCount()) throw EListError(Format("List index out of bounds (%d)", index));
  return forms_[size_t(index)];
}

TCustomForm* TScreen::ActiveForm() const {
  HWND active = GetActiveWindow();
  if (!active) return nullptr;
  for (TCustomForm* form : forms_)
    if (form->HandleAllocated() && form->Handle() == active) return form;
  return nullptr;
}

void TScreen::AddForm(TCustomForm* form) { forms_.push_back(form); }
void TScreen::RemoveForm(TCustomForm* form) { std::erase(forms_, form); }
