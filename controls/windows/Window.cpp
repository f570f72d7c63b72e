#include "controls/windows/Window.h"

#include "controls/windows/CloseButton.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Font.h"
#include "engine/shapes/Shape.h"

CL_PUBLISHED(TvgWindow) {
  using W = TvgWindow;
  published.Property("ShowCloseButton", &W::ShowCloseButton, &W::SetShowCloseButton).Default(true);
  published.Property("ShowSizeGrip", &W::ShowSizeGrip, &W::SetShowSizeGrip).Default(true);
  published.Property("OnCloseClick", &W::OnCloseClick, &W::OnCloseClick);
  published.Property("HitTest", &W::HitTest, &W::SetHitTest).Default(false);
  published.Property("AutoTranslate", &W::AutoTranslate, &W::SetAutoTranslate).Default(true);
  published.Property("Font", &W::Font, &W::SetFont);
  published.Property("TextAlign", &W::TextAlign, &W::SetTextAlign).Default(vgTextAlignNear);
  published.Property("Text", &W::Text, &W::SetText);
}

CL_PUBLISHED(TvgHudWindow) {
  using W = TvgHudWindow;
  published.Property("DisableShadowOnOSX", &W::DisableShadowOnOSX, &W::SetDisableShadowOnOSX).Default(true);
  published.Property("ButtonAlign", &W::ButtonAlign, &W::SetButtonAlign).Default(vgButtonAlignLeft);
  published.Property("Fill", &W::Fill, &W::SetFill);
  published.Property("Stroke", &W::Stroke, &W::SetStroke);
  published.Property("StrokeThickness", &W::StrokeThickness, &W::SetStrokeThickness).Default(1.0f);
  published.Property("StrokeCap", &W::StrokeCap, &W::SetStrokeCap).Default(vgCapFlat);
  published.Property("StrokeDash", &W::StrokeDash, &W::SetStrokeDash).Default(vgDashSolid);
  published.Property("StrokeJoin", &W::StrokeJoin, &W::SetStrokeJoin).Default(vgJoinMiter);
  published.Property("ShowCaption", &W::ShowCaption, &W::SetShowCaption).Default(true);
}

namespace {

TvgVisualObject* VisualPart(TvgControl& control, const char* name) {
  TvgObject* part = control.FindResource(name);
  return part ? part->Visual() : nullptr;
}

}  // namespace

TvgWindow::TvgWindow(TComponent* owner) : TvgTextControl(owner) {
  SetAutoTranslate(true);
  SetHitTest(false);
  SetTextAlign(vgTextAlignNear);
  SetSizeDirect(200, 200);
}

// Setting the style again rebuilds it with the part shown or hidden.
void TvgWindow::SetShowCloseButton(bool show) {
  if (show == showCloseButton_) return;
  showCloseButton_ = show;
  SetResource(Resource());
}

void TvgWindow::SetShowSizeGrip(bool show) {
  if (show == showSizeGrip_) return;
  showSizeGrip_ = show;
  SetResource(Resource());
}

void TvgWindow::ApplyStyle() {
  TvgTextControl::ApplyStyle();
  if (TvgVisualObject* close = VisualPart(*this, "close")) {
    close->SetVisible(showCloseButton_);
    if (auto* button = dynamic_cast<TvgCloseButton*>(close)) {
      button->SetCloseForm(!OnCloseClick);
      if (OnCloseClick) button->OnClick = OnCloseClick;
    }
  }
  if (TvgVisualObject* grip = VisualPart(*this, "sizegrip")) grip->SetVisible(showSizeGrip_);
}

// --- HUD window --------------------------------------------------------------------------------

TvgHudWindow::TvgHudWindow(TComponent* owner)
    : TvgWindow(owner),
      fill_(std::make_unique<TvgBrush>(vgBrushSolid, 0xEA2F2F2F)),
      stroke_(std::make_unique<TvgBrush>(vgBrushSolid, 0x5B000000)) {
  fill_->OnChanged = [this](TObject*) { BrushChanged(); };
  stroke_->OnChanged = [this](TObject*) { BrushChanged(); };
  Font()->SetStyle(vgFontBold);
}

TvgHudWindow::~TvgHudWindow() {
  fill_->OnChanged = nullptr;
  stroke_->OnChanged = nullptr;
}

void TvgHudWindow::BrushChanged() {
  if (!Loading()) ApplyStyle();
}

void TvgHudWindow::SetFill(TvgBrush* fill) { fill_->Assign(fill); }
void TvgHudWindow::SetStroke(TvgBrush* stroke) { stroke_->Assign(stroke); }

void TvgHudWindow::SetDisableShadowOnOSX(bool disable) {
  if (disable == disableShadowOnOSX_) return;
  disableShadowOnOSX_ = disable;
  SetResource(Resource());
}

void TvgHudWindow::ShowWithCaption(TvgVisualObject& part) {
  part.SetVisible(showCaption_);
  part.SetDesignHide(!showCaption_);
}

void TvgHudWindow::ApplyStyle() {
  TvgWindow::ApplyStyle();
  if (auto* close = dynamic_cast<TvgCloseButton*>(FindResource("close"))) {
    close->SetAlign(buttonAlign_ == vgButtonAlignRight ? vaRight : vaLeft);
    if (close->Visible()) ShowWithCaption(*close);
  }
  if (auto* back = dynamic_cast<TvgShape*>(FindResource("back"))) back->SetFill(fill_.get());
  if (auto* outline = dynamic_cast<TvgShape*>(FindResource("stroke"))) {
    outline->SetStroke(stroke_.get());
    outline->SetStrokeThickness(strokeThickness_);
    outline->SetStrokeCap(strokeCap_);
    outline->SetStrokeDash(strokeDash_);
    outline->SetStrokeJoin(strokeJoin_);
    outline->Margins()->SetRect({strokeThickness_, strokeThickness_, strokeThickness_, strokeThickness_});
  }
  if (TvgVisualObject* caption = VisualPart(*this, "caption")) {
    caption->SetHeight(strokeThickness_ + 20);
    caption->Padding()->SetRect({strokeThickness_, strokeThickness_, strokeThickness_, 0});
    ShowWithCaption(*caption);
  }
  if (TvgVisualObject* text = VisualPart(*this, "text")) ShowWithCaption(*text);
}
