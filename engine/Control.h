#pragma once
// TvgControl: the visual object whose look comes from a style, a tree of scene objects found by
// name in the style resources, cloned and placed beneath the control as its first child. Its
// subclasses find named parts of that clone and bind their own properties to them.
#include <string>
#include <vector>

#include "engine/VisualObject.h"

class TBasicAction;

CL_ENUM(THelpType, htKeyword, htContext)

class TvgControl : public TvgVisualObject {
  CL_CLASS(TvgControl, TvgVisualObject)
public:
  explicit TvgControl(TComponent* owner);

  const std::string& Resource() const { return resource_; }
  void SetResource(const std::string& resource) { resource_ = resource; }
  THelpType HelpType() const { return helpType_; }
  void SetHelpType(THelpType type) { helpType_ = type; }
  const std::string& HelpKeyword() const { return helpKeyword_; }
  void SetHelpKeyword(const std::string& keyword);
  int32_t HelpContext() const { return helpContext_; }
  void SetHelpContext(int32_t context);
  int TabOrder() const;
  void SetTabOrder(int order);
  TvgObject* StyleObject() const { return styleObject_; }

  void SetData(const Variant&) override {}
  TvgObject* FindResource(const std::string& name) override;

  virtual TBasicAction* GetAction() const { return nullptr; }
  virtual void ActionChange(TBasicAction*, bool) {}
  virtual void InitiateAction() {}
  virtual void ApplyStyle() {}
  virtual void FreeStyle() {}

private:
  TvgObject* styleObject_ = nullptr;
  THelpType helpType_ = htContext;
  std::string helpKeyword_;
  int32_t helpContext_ = 0;
  std::string resource_;
};
