#pragma once
// What the benchmarks split a paint pass and a form's creation into. A GDI+ canvas that times its
// own operations by kind, an image codec that times its decoding, and a wrapper around the
// layered-window update; installed before the toolkit makes its first canvas, they leave the
// drawing itself as it is. Whatever a pass spends outside the canvas and the window update is the
// walk through the tree (visibility, update rects, matrices, the paint calls of the objects).
#include "classlib/desktop/Win32.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "classlib/core/Stream.h"
#include "engine/gdiplus/CanvasGdiPlus.h"
#include "engine/gdiplus/ImageFilterGdiPlus.h"
#include "engine/scene/SceneUnit.h"

inline double vgBenchNowMs() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// Milliseconds from the creation of this process until now.
inline double vgBenchSinceProcessStartMs() {
  FILETIME creation, exit, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user);
  GetSystemTimeAsFileTime(&now);
  auto ticks = [](const FILETIME& t) { return (uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return double(ticks(now) - ticks(creation)) / 10000.0;
}

// The kinds of work a pass or a creation is split into.
enum TPaintPart { ppClip, ppMatrix, ppBackground, ppShapes, ppBitmaps, ppText, ppFonts, ppCanvases, ppImages,
                  ppWindow, ppPartCount };

inline const char* vgPaintPartName(int part) {
  static const char* const names[ppPartCount] = {
      "clipping and saved states", "matrices",         "background (ClearRect)", "GDI+ shapes",
      "GDI+ bitmaps",              "GDI+ text",        "GDI+ fonts",             "canvases made",
      "image decoding",            "UpdateLayeredWindow"};
  return names[part];
}

struct TPaintTimes {
  double Ms[ppPartCount] = {};
  int Calls[ppPartCount] = {};
  int Passes = 0;
  double PassMs = 0;  // from BeginScene to the end of the window update

  double CanvasMs() const {
    double sum = 0;
    for (int part = 0; part < ppPartCount; ++part)
      if (part != ppWindow) sum += Ms[part];
    return sum;
  }
  // What a pass spent in neither the canvas nor the window update.
  double TreeWalkMs() const { return PassMs - CanvasMs() - Ms[ppWindow]; }
  void Add(const TPaintTimes& other) {
    for (int part = 0; part < ppPartCount; ++part) {
      Ms[part] += other.Ms[part];
      Calls[part] += other.Calls[part];
    }
    Passes += other.Passes;
    PassMs += other.PassMs;
  }
};

// The times collected since the last Take.
inline TPaintTimes& vgPaintTimes() {
  static TPaintTimes times;
  return times;
}

inline TPaintTimes vgTakePaintTimes() {
  TPaintTimes taken = vgPaintTimes();
  vgPaintTimes() = {};
  return taken;
}

// Times the outermost call only: a polygon fills through FillPath, a visual brush paints
// objects through the canvas again.
class TPartTimer {
public:
  explicit TPartTimer(TPaintPart part) : part_(part), outermost_(Depth()++ == 0), start_(vgBenchNowMs()) {}
  ~TPartTimer() {
    --Depth();
    if (!outermost_) return;
    vgPaintTimes().Ms[part_] += vgBenchNowMs() - start_;
    ++vgPaintTimes().Calls[part_];
  }
  TPartTimer(const TPartTimer&) = delete;
  TPartTimer& operator=(const TPartTimer&) = delete;

private:
  static int& Depth() {
    static int depth = 0;
    return depth;
  }
  TPaintPart part_;
  bool outermost_;
  double start_;
};

class TTimedCanvas : public TvgCanvasGdiPlus {
  CL_CLASS(TTimedCanvas, TvgCanvasGdiPlus)
public:
  using TvgCanvasGdiPlus::TvgCanvasGdiPlus;

  static double& PassStart() {
    static double start = 0;
    return start;
  }

  bool BeginScene() override {
    if (Buffered()) PassStart() = vgBenchNowMs();
    return TvgCanvasGdiPlus::BeginScene();
  }
  void FontChanged(TObject* sender) override {
    TPartTimer t(ppFonts);
    TvgCanvasGdiPlus::FontChanged(sender);
  }
  void Clear(TvgColor color) override {
    TPartTimer t(ppBackground);
    TvgCanvasGdiPlus::Clear(color);
  }
  void ClearRect(const TvgRect& rect, TvgColor color) override {
    TPartTimer t(ppBackground);
    TvgCanvasGdiPlus::ClearRect(rect, color);
  }
  void SetMatrix(const TvgMatrix& m) override {
    TPartTimer t(ppMatrix);
    TvgCanvasGdiPlus::SetMatrix(m);
  }
  void MultiplyMatrix(const TvgMatrix& m) override {
    TPartTimer t(ppMatrix);
    TvgCanvasGdiPlus::MultiplyMatrix(m);
  }
  int SaveState() override {
    TPartTimer t(ppClip);
    return TvgCanvasGdiPlus::SaveState();
  }
  void RestoreState(int index) override {
    TPartTimer t(ppClip);
    TvgCanvasGdiPlus::RestoreState(index);
  }
  void SetClipRects(const std::vector<TvgRect>& rects) override {
    TPartTimer t(ppClip);
    TvgCanvasGdiPlus::SetClipRects(rects);
  }
  void IntersectClipRect(const TvgRect& rect) override {
    TPartTimer t(ppClip);
    TvgCanvasGdiPlus::IntersectClipRect(rect);
  }
  void ExcludeClipRect(const TvgRect& rect) override {
    TPartTimer t(ppClip);
    TvgCanvasGdiPlus::ExcludeClipRect(rect);
  }
  void ResetClipRect() override {
    TPartTimer t(ppClip);
    TvgCanvasGdiPlus::ResetClipRect();
  }
  void DrawLine(const TvgPoint& p1, const TvgPoint& p2, float opacity) override {
    TPartTimer t(ppShapes);
    TvgCanvasGdiPlus::DrawLine(p1, p2, opacity);
  }
  void FillRect(const TvgRect& rect, float rx, float ry, TvgCorners corners, float opacity,
                TvgCornerType type) override {
    TPartTimer t(ppShapes);
    TvgCanvasGdiPlus::FillRect(rect, rx, ry, corners, opacity, type);
  }
  void DrawRect(const TvgRect& rect, float rx, float ry, TvgCorners corners, float opacity,
                TvgCornerType type) override {
    TPartTimer t(ppShapes);
    TvgCanvasGdiPlus::DrawRect(rect, rx, ry, corners, opacity, type);
  }
  void FillEllipse(const TvgRect& rect, float opacity) override {
    TPartTimer t(ppShapes);
    TvgCanvasGdiPlus::FillEllipse(rect, opacity);
  }
  void DrawEllipse(const TvgRect& rect, float opacity) override {
    TPartTimer t(ppShapes);
    TvgCanvasGdiPlus::DrawEllipse(rect, opacity);
  }
  void FillPath(TvgPathData* path, const TvgRect& rect, float opacity) override {
    TPartTimer t(ppShapes);
    TvgCanvasGdiPlus::FillPath(path, rect, opacity);
  }
  void DrawPath(TvgPathData* path, const TvgRect& rect, float opacity) override {
    TPartTimer t(ppShapes);
    TvgCanvasGdiPlus::DrawPath(path, rect, opacity);
  }
  void FillPolygon(const TvgPolygon& points, float opacity) override {
    TPartTimer t(ppShapes);
    TvgCanvasGdiPlus::FillPolygon(points, opacity);
  }
  void DrawPolygon(const TvgPolygon& points, float opacity) override {
    TPartTimer t(ppShapes);
    TvgCanvasGdiPlus::DrawPolygon(points, opacity);
  }
  void DrawBitmap(TvgBitmap* bitmap, const TvgRect& source, const TvgRect& destination, float opacity,
                  bool highSpeed) override {
    TPartTimer t(ppBitmaps);
    TvgCanvasGdiPlus::DrawBitmap(bitmap, source, destination, opacity, highSpeed);
  }
  void FillText(const TvgRect& rect, const TvgRect& clip, const std::wstring& text, bool wordWrap, float opacity,
                TvgTextAlign align, TvgTextAlign vertical) override {
    TPartTimer t(ppText);
    TvgCanvasGdiPlus::FillText(rect, clip, text, wordWrap, opacity, align, vertical);
  }
  void MeasureText(TvgRect& rect, const TvgRect& clip, const std::wstring& text, bool wordWrap, TvgTextAlign align,
                   TvgTextAlign vertical) override {
    TPartTimer t(ppText);
    TvgCanvasGdiPlus::MeasureText(rect, clip, text, wordWrap, align, vertical);
  }
  bool TextToPath(TvgPathData* path, const TvgRect& rect, const std::wstring& text, bool wordWrap,
                  TvgTextAlign align, TvgTextAlign vertical) override {
    TPartTimer t(ppText);
    return TvgCanvasGdiPlus::TextToPath(path, rect, text, wordWrap, align, vertical);
  }
};

class TTimedFilter : public TvgFilterGdiPlus {
  CL_CLASS(TTimedFilter, TvgFilterGdiPlus)
public:
  bool LoadFromStream(TStream& stream, TvgBitmap& bitmap) override {
    TPartTimer t(ppImages);
    return TvgFilterGdiPlus::LoadFromStream(stream, bitmap);
  }
};

inline TvgUpdateLayeredWindow& vgUntimedUpdateLayeredWindow() {
  static TvgUpdateLayeredWindow original = nullptr;
  return original;
}

inline BOOL WINAPI vgTimedUpdateLayeredWindow(HWND window, HDC screen, POINT* destination, SIZE* size, HDC source,
                                              POINT* origin, COLORREF key, BLENDFUNCTION* blend, DWORD flags) {
  BOOL done;
  {
    TPartTimer t(ppWindow);
    done = vgUntimedUpdateLayeredWindow()(window, screen, destination, size, source, origin, key, blend, flags);
  }
  TPaintTimes& times = vgPaintTimes();
  ++times.Passes;
  times.PassMs += vgBenchNowMs() - TTimedCanvas::PassStart();
  return done;
}

// The timed canvas class: window canvases and bitmap canvases both, each construction counted.
inline const TvgCanvasClass* vgTimedCanvasClass() {
  static const TvgCanvasClass* plain = vgCanvasClass<TTimedCanvas>();
  static const TvgCanvasClass timed{
      plain->Class,
      [](int width, int height) {
        TPartTimer t(ppCanvases);
        return plain->Create(width, height);
      },
      [](TvgBitmap* bitmap) {
        TPartTimer t(ppCanvases);
        return plain->CreateFromBitmap(bitmap);
      },
      plain->GetBitmapScanline,
  };
  return &timed;
}

// Before the toolkit starts: the canvas class, which the GDI+ unit leaves when one is set.
inline void vgInstallTimedCanvas() { DefaultCanvasClass = vgTimedCanvasClass(); }

// After the toolkit started: the image codec and the window update.
inline void vgInstallTimedCodecAndWindow() {
  DefaultFilterClass = TTimedFilter::StaticClass();
  if (vgUpdateLayeredWindow && vgUpdateLayeredWindow != &vgTimedUpdateLayeredWindow) {
    vgUntimedUpdateLayeredWindow() = vgUpdateLayeredWindow;
    vgUpdateLayeredWindow = &vgTimedUpdateLayeredWindow;
  }
}

// One line per part that took time, as milliseconds per pass (or in all when passes is 0).
inline void vgPrintPaintTimes(const TPaintTimes& times, const char* indent, bool withTreeWalk) {
  const double per = times.Passes > 0 ? double(times.Passes) : 1.0;
  auto line = [&](const char* name, double ms, double calls) {
    std::printf("%s%-28s %8.3f ms", indent, name, ms / per);
    if (calls > 0) std::printf("  (%.1f calls)", calls / per);
    std::printf("\n");
  };
  if (withTreeWalk) line("tree walk and the rest", times.TreeWalkMs(), 0);
  for (int part = 0; part < ppPartCount; ++part)
    if (times.Calls[part] > 0) line(vgPaintPartName(part), times.Ms[part], times.Calls[part]);
}
