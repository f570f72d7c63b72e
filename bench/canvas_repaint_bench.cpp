// canvas_repaint_bench: full repaints of a 474 x 408 GDI+ canvas with the shapes and texts of the
// update message window (about 10 shapes, 5 texts, one bitmap); prints the times per repaint
// against the 33 ms animation tick.
#include "classlib/desktop/Win32.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/gdiplus/CanvasGdiPlus.h"
#include "engine/gdiplus/GdiPlusApi.h"

namespace {

constexpr int width = 474, height = 408;
constexpr double tickMs = 33;
constexpr TvgCorners allCorners{vgCornerTopLeft, vgCornerTopRight, vgCornerBottomLeft, vgCornerBottomRight};

void SetGradient(TvgBrush* brush, TvgColor top, TvgColor bottom) {
  brush->SetStyle(vgBrushGradient);
  brush->Gradient()->Points()->Points(0)->SetIntColor(top);
  brush->Gradient()->Points()->Points(1)->SetIntColor(bottom);
}

void SetSolid(TvgBrush* brush, TvgColor color) {
  brush->SetStyle(vgBrushSolid);
  brush->SetSolidColor(color);
}

void Button(TvgCanvas& canvas, const TvgRect& r, const wchar_t* caption) {
  SetGradient(canvas.Fill(), 0xFF5CA0E8, 0xFF2F6FC0);
  canvas.FillRect(r, 4, 4, allCorners, 1, vgCornerRound);
  SetSolid(canvas.Stroke(), 0xFF1D4F91);
  canvas.DrawRect(r, 4, 4, allCorners, 1, vgCornerRound);
  SetSolid(canvas.Fill(), 0xFFFFFFFF);
  canvas.FillText(r, r, caption, false, 1, vgTextAlignCenter, vgTextAlignCenter);
}

void Repaint(TvgCanvas& canvas, TvgBitmap& icon) {
  canvas.BeginScene();
  canvas.ResetClipRect();
  canvas.SetMatrix(vgIdentityMatrix);
  canvas.SetClipRects({{0, 0, float(width), float(height)}});
  canvas.ClearRect({0, 0, float(width), float(height)}, 0);
  canvas.StrokeThickness = 1;

  // Window body with a soft shadow, title bar and close button.
  SetSolid(canvas.Fill(), 0x40000000);
  canvas.FillRect({6, 8, 470, 406}, 8, 8, allCorners, 1, vgCornerRound);
  SetGradient(canvas.Fill(), 0xFFFFFFFF, 0xFFE8EEF6);
  canvas.FillRect({2, 2, 466, 400}, 8, 8, allCorners, 1, vgCornerRound);
  SetSolid(canvas.Stroke(), 0xFF8AA4C8);
  canvas.DrawRect({2, 2, 466, 400}, 8, 8, allCorners, 1, vgCornerRound);
  SetGradient(canvas.Fill(), 0xFF3F86D8, 0xFF2A5FA8);
  canvas.FillRect({2, 2, 466, 40}, 8, 8, {vgCornerTopLeft, vgCornerTopRight}, 1, vgCornerRound);
  SetSolid(canvas.Fill(), 0xFFE04040);
  canvas.FillEllipse({436, 12, 456, 32}, 1);
  SetSolid(canvas.Stroke(), 0xFFFFFFFF);
  canvas.StrokeThickness = 2;
  canvas.DrawLine({441, 17}, {451, 27}, 1);
  canvas.DrawLine({451, 17}, {441, 27}, 1);
  canvas.StrokeThickness = 1;

  // Title, icon, notes and a dashed separator.
  canvas.Font()->SetSize(16);
  canvas.Font()->SetStyle(vgFontBold);
  SetSolid(canvas.Fill(), 0xFFFFFFFF);
  canvas.FillText({16, 2, 420, 42}, {}, L"\u53D1\u73B0\u65B0\u7248\u672C Kest 2.0", false, 1, vgTextAlignNear,
                  vgTextAlignCenter);
  canvas.DrawBitmap(&icon, {0, 0, 48, 48}, {20, 60, 68, 108}, 0.9f, false);
  canvas.Font()->SetSize(12);
  canvas.Font()->SetStyle(vgFontRegular);
  SetSolid(canvas.Fill(), 0xFF303030);
  canvas.FillText({84, 60, 450, 300}, {},
                  L"\u66F4\u65B0\u5185\u5BB9\uFF1A\n1. \u542F\u52A8\u66F4\u5FEB\uFF0C\u5185\u5B58\u5360\u7528"
                  L"\u66F4\u5C11\u3002\n2. Faster page loading and a new download manager with resumable "
                  L"transfers.\n3. \u4FEE\u590D\u82E5\u5E72\u5DF2\u77E5\u95EE\u9898\u3002",
                  true, 1, vgTextAlignNear, vgTextAlignNear);
  SetSolid(canvas.Stroke(), 0xFFB0B0B0);
  canvas.SetStrokeDash(vgDashDash);
  canvas.DrawLine({20, 320}, {450, 320}, 1);
  canvas.SetStrokeDash(vgDashSolid);

  canvas.Font()->SetSize(13);
  Button(canvas, {150, 345, 290, 380}, L"\u7ACB\u5373\u66F4\u65B0");
  Button(canvas, {310, 345, 450, 380}, L"\u6682\u4E0D\u66F4\u65B0");
  canvas.EndScene();
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
  return double(to.QuadPart - from.QuadPart) * 1000 / double(frequency.QuadPart);
}

}  // namespace

int main() {
  StartupGdiplus();
  {
    TvgBitmap icon(48, 48);
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 48; ++x) icon.GetScanline(y)[x] = 0xFF000000 | uint32_t(x * 5 << 16) | uint32_t(y * 5);
    TvgCanvasGdiPlus canvas(width, height);
    for (int i = 0; i < 5; ++i) Repaint(canvas, icon);  // fonts and platform images made once

    constexpr int runs = 100;
    std::vector<double> times;
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < runs; ++i) {
      QueryPerformanceCounter(&start);
      Repaint(canvas, icon);
      QueryPerformanceCounter(&stop);
      times.push_back(Milliseconds(start, stop, frequency));
    }
    std::sort(times.begin(), times.end());
    double mean = 0;
    for (double t : times) mean += t / runs;
    std::printf("full repaint of %d x %d, %d runs: mean %.2f ms, median %.2f ms, 95th percentile %.2f ms, "
                "max %.2f ms\n",
                width, height, runs, mean, times[runs / 2], times[runs * 95 / 100], times.back());
    std::printf("against the %.0f ms animation tick: median %.0f%%, 95th percentile %.0f%%\n", tickMs,
                100 * times[runs / 2] / tickMs, 100 * times[runs * 95 / 100] / tickMs);
  }
  ShutdownGdiplus();
  return 0;
}
