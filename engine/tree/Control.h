#pragma once
// TvgControl: the visual object whose look comes from a style, a tree of scene objects found by
// name in the style resources (engine/Style.h), cloned and placed beneath the control as its
// first child. Its subclasses find named parts of that clone in ApplyStyle, bind their own
// properties to them, and forget them in FreeStyle.
//
// A control gets its style at the first of: its first paint, gaining the focus, SetResource
// after loading, UpdateResource (a scene re-applying styles). Until then FindResource finds only
// its own children; a control whose style cannot be found paints its own children only.
#include <string>
#include <vector>

#include "engine/tree/VisualObject.h"

class TBasicAction;

CL_ENUM(THelpType, htKeyword, htContext)

class TvgControl : public TvgVisualObject {
  CL_CLASS(TvgControl, TvgVisualObject)
public:
  explicit TvgControl(TComponent* owner);
  void BeforeDestruction() override;

  // The name of the style to apply; empty: the style name of the class.
  const std::string& Resource() const { return resource_; }
  void SetResource(const std::string& resource);
  TvgObject* StyleObject() const { return styleObject_; }

  THelpType HelpType() const { return helpType_; }
  void SetHelpType(THelpType type) { helpType_ = type; }
  const std::string& HelpKeyword() const { return helpKeyword_; }
  void SetHelpKeyword(const std::string& keyword);
  int32_t HelpContext() const { return helpContext_; }
  void SetHelpContext(int32_t context);
  // The position in the visual parent's tab list, -1 when there is none.
  int TabOrder() const;
  void SetTabOrder(int order);

  // Subclasses publish these.
  bool AutoTranslate() const { return autoTranslate_; }
  void SetAutoTranslate(bool value) { autoTranslate_ = value; }
  // The control whose value this one follows; the value is copied at once and on every change.
  TvgControl* BindingSource() const { return bindingSource_; }
  void SetBindingSource(TvgControl* source);
  // Subclasses call it when their value changes: each bound control gets it.
  void UpdateBinding();

  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void SetData(const Variant&) override {}
  // The applied style first, then the control's own children.
  TvgObject* FindResource(const std::string& name) override;
  void UpdateResource() override;
  void ApplyResource() override;
  void EnterFocus() override;
  void BeforePaint() override;

  virtual TBasicAction* GetAction() const { return nullptr; }
  virtual void ActionChange(TBasicAction*, bool) {}
  virtual void InitiateAction() {}
  // Binds the parts of the style just applied; subclasses call the base first.
  virtual void ApplyStyle();
  // Subclasses drop their references to parts of the style object here, before it goes.
  virtual void FreeStyle() {}

protected:
  // The setter of a property the style shows: stores the value and, when it changed, applies the
  // style again, except while loading (the style is applied after the control has been read).
  template <class T>
  void StoreAndApply(T& field, const T& value) {
    if (field == value) return;
    field = value;
    if (!Loading()) ApplyStyle();
  }

private:
  void AddBoundControl(TvgControl* control);
  void RemoveBoundControl(TvgControl* control);
  void ForgetStyleObject();
  void PlaceStyleObject(TvgObject* style);

  TvgObject* styleObject_ = nullptr;
  bool needsResource_ = true;
  std::vector<TvgControl*> boundControls_;
  TvgControl* bindingSource_ = nullptr;
  bool autoTranslate_ = false;
  THelpType helpType_ = htContext;
  std::string helpKeyword_;
  int32_t helpContext_ = 0;
  std::string resource_;
};
