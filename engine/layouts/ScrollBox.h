#pragma once
// TvgScrollBox: a control that shows a larger content area through the viewport of its style
// (the part "content"), with the scroll bars of its style ("vscrollbar", "hscrollbar", or the
// small "vsmallscrollbar", "hsmallscrollbar"), wheel scrolling, drag scrolling and gliding.
// Objects added to the box go into its TvgScrollContent, which is moved against the viewport as
// the bars' values change and clips its children to the part in view.
//
// The bars are TvgScrollBar controls of the style, driven through their published Min, Max,
// ViewportSize, Value and SmallChange and their OnChange event.
#include "engine/tree/Content.h"
#include "engine/tree/Control.h"

class TvgFloatAnimation;
class TvgScrollBox;

class TvgScrollContent : public TvgContent {
  CL_CLASS(TvgScrollContent, TvgContent)
public:
  explicit TvgScrollContent(TComponent* owner);

  // Inside a box with a viewport: the part of the content in view, in local coordinates.
  TvgRect GetClipRect() override;
  // Children scrolled out of view are not hit.
  TvgVisualObject* ObjectAtPoint(const TvgPoint& point) override;
  TvgRect GetUpdateRect() override;
  void Paint() override;
  void AddObject(TvgObject* object) override;
  void RemoveObject(TvgObject* object) override;

protected:
  bool RealignsOnChildResize() const override { return true; }

private:
  TvgScrollBox* Box() const;  // the live box this content belongs to, or nullptr

  bool askingBox_ = false;
};

class TvgScrollBox : public TvgControl {
  CL_CLASS(TvgScrollBox, TvgControl)
public:
  explicit TvgScrollBox(TComponent* owner);

  bool AutoHide() const { return autoHide_; }
  void SetAutoHide(bool value) { autoHide_ = value; }
  bool Animated() const { return animated_; }
  void SetAnimated(bool value) { animated_ = value; }
  bool DisableMouseWheel() const { return disableMouseWheel_; }
  void SetDisableMouseWheel(bool value) { disableMouseWheel_ = value; }
  bool MouseTracking() const { return mouseTracking_; }
  void SetMouseTracking(bool value) { mouseTracking_ = value; }
  bool ShowScrollBars() const { return showScrollBars_; }
  void SetShowScrollBars(bool value);
  bool ShowSizeGrip() const { return showSizeGrip_; }
  void SetShowSizeGrip(bool value);
  bool UseSmallScrollBars() const { return useSmallScrollBars_; }
  void SetUseSmallScrollBars(bool value);

  TvgScrollContent* Content() const { return content_; }
  // Parts of the applied style, nullptr without one.
  TvgVisualObject* Viewport() const { return viewport_; }
  TvgControl* HScrollBar() const { return hBar_; }
  TvgControl* VScrollBar() const { return vBar_; }

  TvgRect GetViewportRect();
  float GetViewportWidth();
  float GetViewportHeight();
  float GetHScrollOffset() const;  // the visible bar's Value, else 0
  float GetVScrollOffset() const;
  // True inside BeginUpdate: layouts in the box wait for its EndUpdate.
  bool Updating() const { return updateCount_ > 0; }

  void AddObject(TvgObject* object) override;
  void ApplyStyle() override;
  void FreeStyle() override;
  void Realign() override;
  void MouseWheel(TShiftState shift, int wheelDelta, bool& handled) override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseMove(TShiftState shift, float x, float y, float dx, float dy) override;
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y) override;

  virtual void ContentAddObject(TvgObject*) {}
  virtual void ContentBeforeRemoveObject(TvgObject*) {}
  virtual void ContentRemoveObject(TvgObject*) {}
  virtual void HScrollChange();
  virtual void VScrollChange();
  virtual void GetContentBounds(TvgRect& rect);
  virtual void ContentPaint(TvgCanvas*, const TvgRect&) {}
  virtual void RealignContent(const TvgRect& rect);

private:
  bool KeepsAsOwnChild(TvgObject* object) const;
  TvgControl* BindBar(const char* name, bool vertical);
  void HidePart(const char* name);
  void UpdateScrollBars();
  void ShowBars(const TvgRect& contentRect);
  void ShowBar(TvgControl* bar, bool enabled);
  void HideBarOutOfSight(TvgControl* bar, bool vertical);
  void SetBarRange(TvgControl* bar, float contentExtent, float viewportExtent, float value);
  TvgFloatAnimation* Glide(TvgControl* bar);
  void GlideBy(TvgControl* bar, float distance);
  void StopGlides();

  TvgScrollContent* content_ = nullptr;
  TvgVisualObject* viewport_ = nullptr;
  TvgControl* hBar_ = nullptr;
  TvgControl* vBar_ = nullptr;
  TvgFloatAnimation* hGlide_ = nullptr;
  TvgFloatAnimation* vGlide_ = nullptr;
  float hValue_ = 0;
  float vValue_ = 0;
  bool updatingBars_ = false;
  bool tracking_ = false;
  TvgPoint lastPoint_, dragStep_;
  bool autoHide_ = true;
  bool animated_ = true;
  bool disableMouseWheel_ = false;
  bool mouseTracking_ = false;
  bool showScrollBars_ = true;
  bool showSizeGrip_ = false;
  bool useSmallScrollBars_ = false;
};

// Scrolls vertically only: the content is as wide as the viewport.
class TvgVertScrollBox : public TvgScrollBox {
  CL_CLASS(TvgVertScrollBox, TvgScrollBox)
public:
  explicit TvgVertScrollBox(TComponent* owner);
  void GetContentBounds(TvgRect& rect) override;
};

// Styled by "framedscrollboxstyle", the style name of its class.
class TvgFramedScrollBox : public TvgScrollBox {
  CL_CLASS(TvgFramedScrollBox, TvgScrollBox)
public:
  using TvgScrollBox::TvgScrollBox;
};

class TvgFramedVertScrollBox : public TvgVertScrollBox {
  CL_CLASS(TvgFramedVertScrollBox, TvgVertScrollBox)
public:
  explicit TvgFramedVertScrollBox(TComponent* owner);
};
