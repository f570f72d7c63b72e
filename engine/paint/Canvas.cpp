#include "engine/paint/Canvas.h"

#include <cstring>

#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/paint/PathData.h"
#include "engine/paint/RectOutline.h"

CL_PUBLISHED(TvgCanvas) {}

const TvgCanvasClass* DefaultCanvasClass = nullptr;
const TvgCanvasClass* DefaultPrinterCanvasClass = nullptr;

TvgCanvas::TvgCanvas(int Width, int Height) : width_(Width), height_(Height) { CreateDrawingObjects(); }

TvgCanvas::TvgCanvas(TvgBitmap* Bitmap) : width_(Bitmap->Width()), height_(Bitmap->Height()), bitmap_(Bitmap) {
  CreateDrawingObjects();
}

TvgCanvas::~TvgCanvas() = default;

void TvgCanvas::CreateDrawingObjects() {
  stroke_ = std::make_unique<TvgBrush>(vgBrushSolid, 0xFF000000);
  fill_ = std::make_unique<TvgBrush>(vgBrushSolid, 0xFFFFFFFF);
  font_ = std::make_unique<TvgFont>();
  font_->OnChanged = [this](TObject* sender) { FontChanged(sender); };
}

// --- Dashes, text, arcs and polygons -----------------------------------------------------------

void TvgCanvas::SetStrokeDash(TvgStrokeDash Dash) {
  if (Dash == strokeDash_) return;
  strokeDash_ = Dash;
  switch (Dash) {
    case vgDashSolid: DashArray.clear(); break;
    case vgDashDash: DashArray = {3, 1}; break;
    case vgDashDot: DashArray = {1, 1}; break;
    case vgDashDashDot: DashArray = {3, 1, 1, 1}; break;
    case vgDashDashDotDot: DashArray = {3, 1, 1, 1, 1, 1}; break;
    case vgDashCustom: return;  // the caller fills the pattern
  }
  DashOffset = 0;
}

float TvgCanvas::TextWidth(const std::wstring& Text) {
  TvgRect r{0, 0, 10000, 20};
  MeasureText(r, r, Text, false, vgTextAlignNear, vgTextAlignCenter);
  return vgRectWidth(r);
}

void TvgCanvas::FillArc(const TvgPoint& Center, const TvgPoint& Radius, float StartAngle, float SweepAngle,
                        float Opacity) {
  TvgPathData path;
  path.AddArc(Center, Radius, StartAngle, SweepAngle);
  FillPath(&path, path.GetBounds(), Opacity);
}

void TvgCanvas::DrawArc(const TvgPoint& Center, const TvgPoint& Radius, float StartAngle, float SweepAngle,
                        float Opacity) {
  TvgPathData path;
  path.AddArc(Center, Radius, StartAngle, SweepAngle);
  DrawPath(&path, path.GetBounds(), Opacity);
}

void TvgCanvas::DrawRectSides(const TvgRect& Rect, float XRadius, float YRadius, TvgCorners Corners, float Opacity,
                              TvgSides Sides, TvgCornerType CornerType) {
  TvgPathData path;
  vgAddRectOutline(path, Rect, XRadius, YRadius, Corners, Sides, CornerType);
  DrawPath(&path, path.GetBounds(), Opacity);
}

// One path point per polygon point: a separator closes the figure and the next point starts a
// new one. A filled polygon's last figure is closed after its last point, so that point stays a
// vertex of the fill.
void TvgCanvas::PolygonToPath(const TvgPolygon& points, bool closeLast, TvgPathData& path) const {
  bool figureStarts = true;
  for (const TvgPoint& p : points) {
    if (p == vgClosePolygon) {
      path.ClosePath();
      figureStarts = true;
    } else {
      figureStarts ? path.MoveTo(p) : path.LineTo(p);
      figureStarts = false;
    }
  }
  if (closeLast && !figureStarts) path.ClosePath();
}

void TvgCanvas::FillPolygon(const TvgPolygon& Points, float Opacity) {
  TvgPathData path;
  PolygonToPath(Points, true, path);
  FillPath(&path, path.GetBounds(), Opacity);
}

void TvgCanvas::DrawPolygon(const TvgPolygon& Points, float Opacity) {
  TvgPathData path;
  PolygonToPath(Points, false, path);
  DrawPath(&path, path.GetBounds(), Opacity);
}

// --- Saved states ------------------------------------------------------------------------------

int TvgCanvas::SaveStateToSlot(int32_t ContextState) {
  size_t index = 0;
  while (index < saveData_.size() && saveData_[index].State != -1) ++index;
  if (index == saveData_.size()) saveData_.emplace_back();
  TvgSaveData& slot = saveData_[index];
  slot.State = ContextState;
  slot.Matrix = matrix_;
  slot.Fill = std::make_unique<TvgBrush>();
  slot.Fill->Assign(fill_.get());
  slot.Stroke = std::make_unique<TvgBrush>();
  slot.Stroke->Assign(stroke_.get());
  slot.StrokeThickness = StrokeThickness;
  slot.StrokeCap = StrokeCap;
  slot.StrokeJoin = StrokeJoin;
  slot.StrokeDash = strokeDash_;
  slot.DashArray = strokeDash_ != vgDashSolid ? DashArray : std::vector<float>();
  slot.DashOffset = DashOffset;
  slot.Font = std::make_unique<TvgFont>();
  slot.Font->Assign(font_.get());
  return int(index);
}

bool TvgCanvas::RestoreStateFromSlot(int Index, const std::function<void(int32_t)>& RestoreContext) {
  if (Index < 0 || Index >= int(saveData_.size()) || saveData_[size_t(Index)].State == -1) return false;
  TvgSaveData& slot = saveData_[size_t(Index)];
  RestoreContext(slot.State);
  SetMatrix(slot.Matrix);
  stroke_->Assign(slot.Stroke.get());
  fill_->Assign(slot.Fill.get());
  StrokeThickness = slot.StrokeThickness;
  StrokeCap = slot.StrokeCap;
  StrokeJoin = slot.StrokeJoin;
  strokeDash_ = slot.StrokeDash;
  DashArray = slot.StrokeDash != vgDashSolid ? slot.DashArray : std::vector<float>();
  DashOffset = slot.DashOffset;
  font_->Assign(slot.Font.get());
  slot = TvgSaveData();
  return true;
}

// --- Copying -----------------------------------------------------------------------------------

void TvgCanvas::AssignTo(TPersistent* Dest) {
  auto* bitmap = dynamic_cast<TvgBitmap*>(Dest);
  if (!bitmap) return TPersistent::AssignTo(Dest);
  bitmap->SetSize(width_, height_);
  if (!buffered_ || !bufferBits_ || !bitmap->Bits()) return;
  for (int y = 0; y < height_; ++y)
    std::memcpy(bitmap->Bits() + size_t(y) * size_t(width_), bufferBits_ + size_t(y) * size_t(width_),
                size_t(width_) * 4);
}
