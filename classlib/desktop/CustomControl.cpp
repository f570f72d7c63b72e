#include "classlib/desktop/CustomControl.h"

CL_PUBLISHED(TCustomControl) {}

void TCustomControl::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT) return PaintMessage(message);
  TWinControl::WndProc(message);
}

// A WM_PAINT that carries a device context paints into that context (a parent drawing this
// control into its own picture); otherwise into the window's update region, which it validates.
void TCustomControl::PaintMessage(TMessage& message) {
  struct TPaintScope {
    HWND window;
    PAINTSTRUCT paint{};
    HDC dc;
    TCanvas& canvas;
    TPaintScope(HWND w, HDC given, TCanvas& c) : window(given ? nullptr : w), dc(given), canvas(c) {
      if (window) dc = BeginPaint(window, &paint);
      canvas.SetHandle(dc);
    }
    ~TPaintScope() {
      canvas.SetHandle(nullptr);
      if (window) EndPaint(window, &paint);
    }
  } scope(Handle(), reinterpret_cast<HDC>(message.WParam), canvas_);
  Paint();
  message.Result = 0;
}
