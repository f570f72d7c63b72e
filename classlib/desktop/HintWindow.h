#pragma once
// Hints: the small top-most window that shows a control's hint text near the pointer, and what a
// control is asked (CM_HINTSHOW) before its hint is shown.
#include "classlib/desktop/Win32.h"

#include <string>

class TControl;

struct THintInfo {
  TControl* HintControl = nullptr;
  POINT CursorPos{};    // the pointer, in the control's client coordinates
  RECT CursorRect{};    // client coordinates: the hint stays while the pointer is inside
  POINT HintPos{};      // screen coordinates of the window's top-left corner
  int HintMaxWidth = 0;
  std::string HintStr;  // 8-bit GBK text; empty shows nothing
  int HideTimeout = 0;  // milliseconds until the hint goes by itself
};

class THintWindow {
public:
  THintWindow() = default;
  ~THintWindow();
  THintWindow(const THintWindow&) = delete;
  THintWindow& operator=(const THintWindow&) = delete;

  // The size the text takes, wrapped at maxWidth, with the window's border and margins, at the
  // origin.
  RECT CalcHintRect(int maxWidth, const std::wstring& text);
  // Shows the text in rect (screen coordinates) without taking the activation.
  void ActivateHint(const RECT& rect, const std::wstring& text);
  void ReleaseHandle();  // hides the window
  bool Showing() const;
  const std::wstring& Caption() const { return caption_; }
  HWND Handle() const { return handle_; }

private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void HandleNeeded();
  void Paint(HDC dc);

  HWND handle_ = nullptr;
  std::wstring caption_;
};
