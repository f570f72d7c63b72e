// TvgCanvasGdiPlus's text: fonts, drawing, measuring and outlines of text.
#include "engine/gdiplus/CanvasGdiPlus.h"

#include <algorithm>
#include <vector>

#include "classlib/core/TextCodec.h"
#include "classlib/core/Stream.h"
#include "classlib/core/SysUtils.h"
#include "engine/gdiplus/CanvasGdiPlusInternal.h"
#include "engine/gdiplus/PairGlyph.h"
#include "engine/gdiplus/SurrogateCells.h"
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

// The style when the family has it, else the first style it has.
int AvailableStyle(TGPFontFamily& family, int style) {
  if (family.IsStyleAvailable(style)) return style;
  for (int candidate : {0, 1, 2, 3, 4, 8}) {
    if (family.IsStyleAvailable(candidate)) return candidate;
  }
  return style;
}

// GDI+ measures at most 32 ranges at once.
constexpr size_t kRangesPerMeasure = 32;

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
  return MakeFontOf(*fontFamily_, AvailableStyle(*fontFamily_, GdipFontStyle(Font()->Style())));
}

std::unique_ptr<TGPFont> TvgCanvasGdiPlus::MakeFontOf(const TGPFontFamily& Family, int Style) {
  return std::make_unique<TGPFont>(Family, Font()->Size() * 0.75f * dpiFactor_, Style, gpUnitPoint);
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
  const int flags = stringFormatNoClip | (WordWrap ? 0 : stringFormatNoWrap);
  auto font = MakeFont();
  ApplyFill(Rect, Opacity == 1 ? 0.99f : Opacity);
  bool fractional = FractionalScale();
  if (fractional) graphics_->SetTextRenderingHint(textHintAntiAlias);
  const std::wstring cells = vgSurrogatesAsCells(Text);
  graphics_->DrawString(cells.c_str(), -1, *font, ToGp(Rect), *MakeStringFormat(flags, TextAlign, VTextAlign),
                        *fillBrush_);
  DrawSurrogateGlyphs(Text, cells, *font, ToGp(Rect), flags, TextAlign, VTextAlign);
  if (fractional) SetTextHint();
}

// Each character outside the Basic Multilingual Plane, in the cell of its stand-in: its glyph from
// the font or a face linked to it, else the font's one box for a missing character.
void TvgCanvasGdiPlus::DrawSurrogateGlyphs(const std::wstring& Text, const std::wstring& Cells, const TGPFont& TextFont,
                                           const GpRectF& Layout, int Flags, TvgTextAlign TextAlign,
                                           TvgTextAlign VTextAlign) {
  const std::vector<size_t> pairs = vgSurrogatePairPositions(Text);
  if (pairs.empty()) return;
  std::vector<GpCharacterRange> ranges;
  for (size_t at : pairs) ranges.push_back({int(at), 2});
  const std::vector<GpRectF> cells =
      LaidOutBounds(*graphics_, Cells, TextFont, Layout, Flags, TextAlign, VTextAlign, ranges);
  const int style = AvailableStyle(*fontFamily_, GdipFontStyle(Font()->Style()));
  const float ascent = fontFamily_->AscentPerEm(style) * Font()->Size();
  const std::wstring family = FamilyName(Font()->Family());
  for (size_t i = 0; i < pairs.size(); ++i) {
    if (cells[i].Width * cells[i].Height == 0) continue;
    const auto found = vgFindPairGlyph(family, std::wstring_view(Text).substr(pairs[i], 2));
    std::unique_ptr<TGPFontFamily> face;
    if (found) face = std::make_unique<TGPFontFamily>(found->Face);
    if (face && face->Handle()) {
      const UINT16 glyph = found->Glyph;
      const float advance = found->AdvancePerEm * Font()->Size();
      const GpPointF origin{cells[i].X + (cells[i].Width - advance) / 2, cells[i].Y + ascent};
      graphics_->DrawDriverGlyphs({&glyph, 1}, *MakeFontOf(*face, AvailableStyle(*face, style)), *fillBrush_, &origin);
    } else {
      const UINT16 missing = 0;
      const GpPointF origin{cells[i].X, cells[i].Y + ascent};
      graphics_->DrawDriverGlyphs({&missing, 1}, TextFont, *fillBrush_, &origin);
    }
  }
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

  const int flags = stringFormatNoClip | stringFormatMeasureTrailingSpaces | (WordWrap ? 0 : stringFormatNoWrap);
  const GpRectF bounds =
      LaidOutBounds(*graphics, vgSurrogatesAsCells(Text), *MakeFont(), ToGp(Rect), flags, TextAlign, VTextAlign, {})
          .back();
  if (bounds.Width * bounds.Height != 0)
    Rect = {bounds.X, bounds.Y, bounds.X + bounds.Width, bounds.Y + bounds.Height};
  graphics->SetTextRenderingHint(hint);
}

// The bounds of each range of the text laid out in the layout rect, and last those of the whole
// text; empty where nothing was laid out.
std::vector<GpRectF> TvgCanvasGdiPlus::LaidOutBounds(TGPGraphics& Graphics, const std::wstring& Text,
                                                     const TGPFont& Font, const GpRectF& Layout, int Flags,
                                                     TvgTextAlign TextAlign, TvgTextAlign VTextAlign,
                                                     std::vector<GpCharacterRange> Ranges) {
  Ranges.push_back({0, int(Text.size())});
  std::vector<GpRectF> bounds =
      MeasureRanges(Graphics, Text, Font, Layout, *MakeStringFormat(Flags, TextAlign, VTextAlign), Ranges);
  if (bounds.back().Width * bounds.back().Height != 0 || Layout.Height <= 0) return bounds;
  // Wine's library lays out no line taller than the layout rect, even without clipping: the
  // text is measured without a height limit and aligned in the rect's height here.
  GpRectF unlimited = Layout;
  unlimited.Height = 0;
  bounds = MeasureRanges(Graphics, Text, Font, unlimited, *MakeStringFormat(Flags, TextAlign, vgTextAlignNear), Ranges);
  const float room = Layout.Height - bounds.back().Height;
  const float shift = VTextAlign == vgTextAlignCenter ? room / 2 : VTextAlign == vgTextAlignFar ? room : 0;
  for (GpRectF& range : bounds) range.Y += shift;
  return bounds;
}

// The bounds of each range laid out in the layout rect; empty when nothing was laid out.
std::vector<GpRectF> TvgCanvasGdiPlus::MeasureRanges(TGPGraphics& Graphics, const std::wstring& Text,
                                                     const TGPFont& Font, const GpRectF& Layout,
                                                     TGPStringFormat& Format,
                                                     std::span<const GpCharacterRange> Ranges) {
  std::vector<GpRectF> bounds(Ranges.size());
  for (size_t first = 0; first < Ranges.size(); first += kRangesPerMeasure) {
    const auto part = Ranges.subspan(first, std::min(kRangesPerMeasure, Ranges.size() - first));
    Format.SetMeasurableCharacterRanges(part);
    std::vector<TGPRegion> regions(part.size());
    std::vector<TGPRegion*> pointers;
    for (TGPRegion& region : regions) pointers.push_back(&region);
    if (Graphics.MeasureCharacterRanges(Text.c_str(), -1, Font, Layout, Format, pointers) != gpOk) continue;
    for (size_t i = 0; i < part.size(); ++i) bounds[first + i] = regions[i].GetBounds(Graphics);
  }
  return bounds;
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
