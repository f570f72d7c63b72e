#include "engine/shapes/Text.h"

CL_PUBLISHED(TvgText) {
  using T = TvgText;
  published.Property("Fill", &T::Fill, &T::SetFill);
  published.Property("Text", &T::Text, &T::SetText);
  published.Property("Font", &T::Font, &T::SetFont);
  published.Property("VertTextAlign", &T::VertTextAlign, &T::SetVertTextAlign).Default(vgTextAlignCenter);
  published.Property("HorzTextAlign", &T::HorzTextAlign, &T::SetHorzTextAlign).Default(vgTextAlignCenter);
  published.Property("WordWrap", &T::WordWrap, &T::SetWordWrap).Default(true);
  published.Property("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(false);
  published.Property("Stretch", &T::Stretch, &T::SetStretch).Default(false);
}

namespace {
// The measuring area of a text on one line, and of a stretched text.
constexpr float kUnlimited = 1000;
}  // namespace

TvgText::TvgText(TComponent* owner)
    : TvgShape(owner, {vgBrushSolid, 0xFF000000}, {vgBrushNone, 0xFF000000}), font_(std::make_unique<TvgFont>()) {
  font_->OnChanged = [this](TObject* sender) { FontChanged(sender); };
}

void TvgText::SetText(const std::wstring& text) {
  if (text == text_) return;
  text_ = text;
  UpdateEffects();
  AdjustSize();
  Repaint();
}

void TvgText::SetHorzTextAlign(TvgTextAlign align) {
  if (align == horzTextAlign_) return;
  horzTextAlign_ = align;
  UpdateEffects();
  Repaint();
}

void TvgText::SetVertTextAlign(TvgTextAlign align) {
  if (align == vertTextAlign_) return;
  vertTextAlign_ = align;
  UpdateEffects();
  Repaint();
}

void TvgText::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  AdjustSize();
}

void TvgText::SetStretch(bool stretch) {
  if (stretch == stretch_) return;
  UpdateEffects();
  stretch_ = stretch;
  if (stretch_) autoSize_ = false;
  Repaint();
}

void TvgText::FontChanged(TObject*) {
  UpdateEffects();
  AdjustSize();
  Repaint();
}

void TvgText::Realign() {
  TvgShape::Realign();
  AdjustSize();
}

// Setting the size realigns, which comes back here; the guard ends that.
void TvgText::AdjustSize() {
  if (adjustingSize_ || !autoSize_ || text_.empty()) return;
  TvgCanvas* canvas = GetCanvas();
  if (!canvas) return;
  struct TGuard {
    bool& flag;
    explicit TGuard(bool& f) : flag(f) { flag = true; }
    ~TGuard() { flag = false; }
  } guard(adjustingSize_);
  canvas->Font()->Assign(font_.get());
  TvgRect measured{0, 0, wordWrap_ ? Width() : kUnlimited, kUnlimited};
  canvas->MeasureText(measured, measured, text_, wordWrap_, vgTextAlignNear, vgTextAlignNear);
  if (!wordWrap_) SetWidth(measured.Right + font_->Size() / 2);
  if (vertTextAlign_ != vgTextAlignCenter) SetHeight(measured.Bottom);
  if (TvgObject* parent = Parent(); parent && parent->Visual()) parent->Visual()->Realign();
}

void TvgText::Paint() {
  TvgCanvas* canvas = GetCanvas();
  canvas->Font()->Assign(font_.get());
  if (stretch_) {
    PaintStretched(*canvas);
    return;
  }
  const TvgRect local = GetLocalRect();
  canvas->FillText(local, local, text_, wordWrap_, GetAbsoluteOpacity(), horzTextAlign_, vertTextAlign_);
}

// The text's own one-line extent is scaled to the local rect; the rect it is drawn in is grown by
// a third of the font size so that no glyph is cut at its edges.
void TvgText::PaintStretched(TvgCanvas& canvas) {
  TvgRect measured{0, 0, kUnlimited, kUnlimited};
  canvas.MeasureText(measured, measured, text_, false, horzTextAlign_, vertTextAlign_);
  vgOffsetRect(measured, -measured.Left, -measured.Top);
  if (!vgIsRectEmpty(measured)) {
    TvgMatrix scale = vgIdentityMatrix;
    scale.m11 = Width() / vgRectWidth(measured);
    scale.m22 = Height() / vgRectHeight(measured);
    canvas.MultiplyMatrix(scale);
  }
  const float grow = font_->Size() / 3;
  vgInflateRect(measured, grow, grow);
  canvas.FillText(measured, measured, text_, false, GetAbsoluteOpacity(), horzTextAlign_, vertTextAlign_);
}
