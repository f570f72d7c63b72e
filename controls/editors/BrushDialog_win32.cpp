#include "controls/editors/BrushDialog.h"

#include <cmath>

#include "classlib/desktop/Application.h"
#include "controls/buttons/Button.h"
#include "controls/editors/BrushDesign.h"
#include "controls/lists/ListBox.h"
#include "controls/tabs/TabControl.h"
#include "controls/windows/Window.h"

namespace {

const TvgBrushStyles kAllStyles{vgBrushNone, vgBrushSolid, vgBrushGradient, vgBrushBitmap, vgBrushResource};

}  // namespace

CL_PUBLISHED(TvgBrushDialog) {
  using D = TvgBrushDialog;
  published.Property("ShowStyles", &D::ShowStyles, &D::SetShowStyles).Default(kAllStyles);
  published.Property("ShowBrushList", &D::ShowBrushList, &D::SetShowBrushList).Default(true);
  published.Property("ShowMakeResource", &D::ShowMakeResource, &D::SetShowMakeResource).Default(false);
  published.Property("Title", &D::Title, &D::SetTitle).Default(std::wstring(L"Brush"));
}

TvgBrushDialog::TvgBrushDialog(TComponent* owner)
    : TComponent(owner), brush_(std::make_unique<TvgBrush>(vgBrushSolid, 0xFF808080)), showStyles_(kAllStyles) {}

TvgBrushDialog::~TvgBrushDialog() { SetComponent(nullptr); }

void TvgBrushDialog::SetComponent(TComponent* component) {
  if (component == component_) return;
  if (component_) component_->RemoveFreeNotification(this);
  component_ = component;
  if (component_) component_->FreeNotification(this);
}

void TvgBrushDialog::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == component_) component_ = nullptr;
}

bool TvgBrushDialog::Execute() {
  TvgBrush before(brush_->DefaultStyle(), brush_->DefaultColor());
  before.Assign(brush_.get());
  auto* design = TCustomForm::Create<TvgBrushDesign>(Application);
  bool confirmed = false;
  try {
    confirmed = ShowDesign(*design);
  } catch (...) {
    design->Free();
    throw;
  }
  design->Free();
  if (!confirmed) brush_->Assign(&before);
  return confirmed;
}

bool TvgBrushDialog::ShowDesign(TvgBrushDesign& design) {
  design.brushList->SetVisible(showBrushList_);
  if (component_) design.SetObject(component_);
  else design.brushList->SetVisible(false);
  design.HudWindow1->SetText(title_);
  design.brushTabControl->SetItemIndex(-1);
  const std::pair<TvgTabItem*, TvgBrushStyle> tabs[] = {{design.tabNone, vgBrushNone},
                                                        {design.tabSolid, vgBrushSolid},
                                                        {design.tabGradient, vgBrushGradient},
                                                        {design.tabBitmap, vgBrushBitmap},
                                                        {design.tabRes, vgBrushResource}};
  for (const auto& [tab, style] : tabs) tab->SetVisible(showStyles_.Contains(style));
  design.Layout6->SetVisible(true);
  design.btnOK->SetVisible(true);
  design.btnCancel->SetVisible(true);
  design.SetBrush(brush_.get(), this);
  design.makeResLayout->SetVisible(showMakeResource_);
  design.FitHeight();
  return design.ShowModal() == mrOk;
}

bool EditGradient(TvgGradient* gradient) {
  TvgBrushDialog dialog(nullptr);
  dialog.Brush()->SetStyle(vgBrushGradient);
  dialog.Brush()->SetGradient(gradient);
  dialog.SetShowStyles({vgBrushGradient});
  dialog.SetShowBrushList(false);
  if (!dialog.Execute()) return false;
  gradient->Assign(dialog.Brush()->Gradient());
  return true;
}
