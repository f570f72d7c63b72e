// TvgCanvasGdiPlus's text: fonts, drawing, measuring and outlines of text.
#include "engine/gdiplus/CanvasGdiPlus.h"

#include <algorithm>
#include <vector>

#include "classlib/core/TextCodec.h"
#include "classlib/core/Stream.h"
#include "classlib/core/SysUtils.h"
#include "engine/gdiplus/CanvasGdiPlusInternal.h"
#include "engine/paint/Brush.h"
#include "engine/paint/PathData.h"

namespace {

constexpr int textHintClearTypeGridFit = 5;
constexpr int textHintAntiAlias = 4;
constexpr int stringFormatMeasureTrailingSpaces = 0x0800;
constexpr int stringFormatNoWrap = 0x1000;
constexpr int stringFormatNoClip = 0x4000;
constexpr uint8_t pathTypeStart = 0, pathTypeLine = 1, pathTypeBezier = 3, pathTypeMask = 7, pathTypeClose = 0x80;

int AlignmentOf(TvgTextAlign align) {
  switch (align) {
    case vgTextAlignNear: return 0;
    case vgTextAlignFar: return 2;
    default: return 1;
  }
}

int GdipFontStyle(TvgFontStyle style) {
  static constexpr int styles[] = {0, 1, 2, 3, 4, 8};
  return styles[std::clamp(int(style), 0, 5)];
}

std::wstring FamilyName(const std::string& family) { return GbkToUtf16(family); }

}  // namespace

void TvgCanvasGdiPlus::LoadFontFromStream(TStream& Stream) {
  if (!fontCollection_) fontCollection_ = std::make_unique<TGPPrivateFontCollection>();
  std::vector<uint8_t> memory(size_t(std::max<int64_t>(Stream.Size(), 0)));
  int64_t read = Stream.Read(memory.data(), int64_t(memory.size()));
  fontCollection_->AddMemoryFont(memory.data(), int(read));
}

void TvgCanvasGdiPlus::FontChanged(TObject*) {
  std::wstring name = FamilyName(Font()->Family());
  fontFamily_.reset();
  if (fontCollection_) {
    fontFamily_ = std::make_unique<TGPFontFamily>(name, fontCollection_.get());
    if (!fontFamily_->Handle()) fontFamily_.reset();
  }
  if (!fontFamily_) {
    fontFamily_ = InstalledFontFamily(name);
    if (!fontFamily_->Handle()) fontFamily_ = GenericSansSerifFontFamily();
  }
  if (graphics_) SetTextHint();
}

void TvgCanvasGdiPlus::SetTextHint() {
  graphics_->SetTextRenderingHint(Font()->ClearType() ? textHintClearTypeGridFit : textHintAntiAlias);
}

bool TvgCanvasGdiPlus::FractionalScale() const { return Frac(Matrix().m11) != 0 || Frac(Matrix().m22) != 0; }

std::unique_ptr<TGPFont> TvgCanvasGdiPlus::MakeFont() {
  int style = GdipFontStyle(Font()->Style());
  if (!fontFamily_->IsStyleAvailable(style)) {
    for (int candidate : {0, 1, 2, 3, 4, 8}) {
      if (fontFamily_->IsStyleAvailable(candidate)) {
        style = candidate;
        break;
      }
    }
  }
  return std::make_unique<TGPFont>(*fontFamily_, Font()->Size() * 0.75f * dpiFactor_, style, gpUnitPoint);
}

std::unique_ptr<TGPStringFormat> TvgCanvasGdiPlus::MakeStringFormat(int Flags, TvgTextAlign TextAlign,
                                                                   TvgTextAlign VTextAlign) {
  auto format = std::make_unique<TGPStringFormat>(Flags);
  format->SetAlignment(AlignmentOf(TextAlign));
  format->SetLineAlignment(AlignmentOf(VTextAlign));
  return format;
}

void TvgCanvasGdiPlus::FillText(const TvgRect& Rect, const TvgRect&, const std::wstring& Text, bool WordWrap,
                                float Opacity, TvgTextAlign TextAlign, TvgTextAlign VTextAlign) {
  if (!graphics_ || Fill()->Style() == vgBrushNone || Text.empty()) return;
  auto format = MakeStringFormat(stringFormatNoClip | (WordWrap ? 0 : stringFormatNoWrap), TextAlign, VTextAlign);
  auto font = MakeFont();
  ApplyFill(Rect, Opacity == 1 ? 0.99f : Opacity);
  bool fractional = FractionalScale();
  if (fractional) graphics_->SetTextRenderingHint(textHintAntiAlias);
  graphics_->DrawString(Text.c_str(), -1, *font, ToGp(Rect), *format, *fillBrush_);
  if (fractional) SetTextHint();
}

void TvgCanvasGdiPlus::MeasureText(TvgRect& Rect, const TvgRect&, const std::wstring& Text, bool WordWrap,
                                   TvgTextAlign TextAlign, TvgTextAlign VTextAlign) {
  if (!WordWrap) Rect.Right = Rect.Left;
  if (Text.empty()) return;
  std::unique_ptr<TGPBitmap> scratch;
  std::unique_ptr<TGPGraphics> temporary;
  TGPGraphics* graphics = graphics_.get();
  if (!graphics) {
    scratch = std::make_unique<TGPBitmap>(1, 1, gpPixelFormat32bppARGB);
    temporary = std::make_unique<TGPGraphics>(*scratch);
    temporary->SetSmoothingMode(smoothingHighQuality);
    temporary->SetInterpolationMode(interpolationHighQuality);
    temporary->SetPixelOffsetMode(pixelOffsetHalf);
    graphics = temporary.get();
  }
  int hint = Font()->ClearType() ? textHintClearTypeGridFit : textHintAntiAlias;
  graphics->SetTextRenderingHint(FractionalScale() ? textHintAntiAlias : hint);

  int flags = stringFormatNoClip | stringFormatMeasureTrailingSpaces | (WordWrap ? 0 : stringFormatNoWrap);
  auto font = MakeFont();
  GpRectF layout = ToGp(Rect);
  GpRectF bounds = MeasureRange(*graphics, Text, *font, layout, *MakeStringFormat(flags, TextAlign, VTextAlign));
  if (bounds.Width * bounds.Height == 0 && layout.Height > 0) {
    // Wine's library lays out no line taller than the layout rect, even without clipping: the
    // text is measured without a height limit and aligned in the rect's height here.
    layout.Height = 0;
    bounds = MeasureRange(*graphics, Text, *font, layout, *MakeStringFormat(flags, TextAlign, vgTextAlignNear));
    float room = vgRectHeight(Rect) - bounds.Height;
    if (VTextAlign == vgTextAlignCenter) bounds.Y += room / 2;
    if (VTextAlign == vgTextAlignFar) bounds.Y += room;
  }
  if (bounds.Width * bounds.Height != 0)
    Rect = {bounds.X, bounds.Y, bounds.X + bounds.Width, bounds.Y + bounds.Height};
  graphics->SetTextRenderingHint(hint);
}

// The bounds of the whole text laid out in the layout rect; empty when nothing was laid out.
GpRectF TvgCanvasGdiPlus::MeasureRange(TGPGraphics& Graphics, const std::wstring& Text, const TGPFont& Font,
                                       const GpRectF& Layout, TGPStringFormat& Format) {
  const GpCharacterRange range{0, int(Text.size())};
  Format.SetMeasurableCharacterRanges({&range, 1});
  TGPRegion region;
  TGPRegion* regions[] = {&region};
  if (Graphics.MeasureCharacterRanges(Text.c_str(), -1, Font, Layout, Format, regions) != gpOk) return {};
  return region.GetBounds(Graphics);
}

bool TvgCanvasGdiPlus::TextToPath(TvgPathData* Path, const TvgRect& Rect, const std::wstring& Text, bool WordWrap,
                                  TvgTextAlign TextAlign, TvgTextAlign VTextAlign) {
  int style = GdipFontStyle(Font()->Style());
  if (!Path || Text.empty() || !fontFamily_->IsStyleAvailable(style)) return false;
  Path->Clear();
  auto format = MakeStringFormat(WordWrap ? 0 : stringFormatNoWrap | stringFormatMeasureTrailingSpaces, TextAlign,
                                 VTextAlign);
  TGPGraphicsPath outline;
  outline.AddString(Text.c_str(), -1, *fontFamily_, style, Font()->Size(), ToGp(Rect), *format);
  TPathData data;
  outline.GetPathData(data);
  for (int i = 0; i < data.Count; ++i) {
    uint8_t type = data.Types[size_t(i)];
    auto at = [&](int index) { return TvgPoint{data.Points[size_t(index)].X, data.Points[size_t(index)].Y}; };
    if ((type & pathTypeMask) == pathTypeStart) {
      Path->MoveTo(at(i));
    } else if ((type & pathTypeBezier) == pathTypeBezier && i + 2 < data.Count) {
      Path->CurveTo(at(i), at(i + 1), at(i + 2));
      i += 2;
      type = data.Types[size_t(i)];
    }
    if (type & pathTypeLine) Path->LineTo(at(i));
    if (type & pathTypeClose) Path->ClosePath();
  }
  return true;
}
