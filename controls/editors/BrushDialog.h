#pragma once
// TvgBrushDialog: a component that edits its Brush in a modal brush designer offering only the
// styles of ShowStyles. The brush changes live while the designer is open; Cancel puts it back.
#include <memory>
#include <string>

#include "classlib/core/Component.h"
#include "engine/paint/Brush.h"

class TvgBrushDesign;

using TvgBrushStyles = TSet<TvgBrushStyle>;

class TvgBrushDialog : public TComponent {
  CL_CLASS(TvgBrushDialog, TComponent)
public:
  explicit TvgBrushDialog(TComponent* owner);
  ~TvgBrushDialog() override;

  TvgBrush* Brush() const { return brush_.get(); }
  void SetBrush(TvgBrush* brush) { brush_->Assign(brush); }
  TvgBrushStyles ShowStyles() const { return showStyles_; }
  void SetShowStyles(TvgBrushStyles styles) { showStyles_ = styles; }
  bool ShowBrushList() const { return showBrushList_; }
  void SetShowBrushList(bool show) { showBrushList_ = show; }
  bool ShowMakeResource() const { return showMakeResource_; }
  void SetShowMakeResource(bool show) { showMakeResource_ = show; }
  const std::wstring& Title() const { return title_; }
  void SetTitle(const std::wstring& title) { title_ = title; }
  // The object whose brushes the designer lists besides Brush; not owned.
  TComponent* Component() const { return component_; }
  void SetComponent(TComponent* component);

  // True when the user ended with OK.
  bool Execute();

  void Notification(TComponent* component, TOperation operation) override;

private:
  bool ShowDesign(TvgBrushDesign& design);

  std::unique_ptr<TvgBrush> brush_;
  TvgBrushStyles showStyles_;
  bool showBrushList_ = true;
  bool showMakeResource_ = false;
  std::wstring title_ = L"Brush";
  TComponent* component_ = nullptr;
};

// Edits a copy of the gradient in the brush dialog; the gradient takes it on OK.
bool EditGradient(TvgGradient* gradient);
