#pragma once
// The actions that forms place in action lists: a contained action belongs to a list; a custom
// action carries what its clients show (caption, checked and enabled states, hint, help, image
// index, visibility) and tells their links of each change; TAction publishes it all. An action
// link asks which of its client's properties still follow the action.
#include <cstdint>
#include <string>

#include "classlib/desktop/BasicAction.h"

class TCustomActionList;

CL_ENUM(THelpType, htKeyword, htContext)

class TContainedAction : public TBasicAction {
  CL_CLASS(TContainedAction, TBasicAction)
public:
  using TBasicAction::TBasicAction;
  ~TContainedAction() override;

  TCustomActionList* ActionList() const { return actionList_; }
  void SetActionList(TCustomActionList* list);
  const std::string& Category() const { return category_; }
  void SetCategory(const std::string& category) { category_ = category; }
  int Index() const;  // in the list, -1 without one

  // Streamed as children of the list.
  bool HasParent() const override { return actionList_ != nullptr; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

private:
  TCustomActionList* actionList_ = nullptr;
  std::string category_;
};

using THintEvent = TEvent<std::string&, bool&>;

class TCustomAction : public TContainedAction {
  CL_CLASS(TCustomAction, TContainedAction)
public:
  using TContainedAction::TContainedAction;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int32_t HelpContext() const { return helpContext_; }
  void SetHelpContext(int32_t context);
  const std::string& HelpKeyword() const { return helpKeyword_; }
  void SetHelpKeyword(const std::string& keyword);
  THelpType HelpType() const { return helpType_; }
  void SetHelpType(THelpType type);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  int32_t ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int32_t index);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // Brought up to date first; a disabled action does not run.
  bool Execute() override;
  // OnHint may change the hint or refuse it.
  bool DoHint(std::string& hint);

  THintEvent OnHint;

private:
  template <class T, class Apply>
  void Change(T& field, const T& value, Apply apply);

  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  int32_t helpContext_ = 0;
  std::string helpKeyword_;
  THelpType helpType_ = htKeyword;
  std::string hint_;
  int32_t imageIndex_ = -1;
  bool visible_ = true;
};

class TAction : public TCustomAction {
  CL_CLASS(TAction, TCustomAction)
public:
  using TCustomAction::TCustomAction;
};

// The link of a client that shows a custom action. Each Is...Linked answers whether the client's
// property still follows the action; each Set... is the action telling of a change, which a
// client's link passes on only while that property is linked.
class TActionLink : public TBasicActionLink {
public:
  using TBasicActionLink::TBasicActionLink;

  virtual bool IsCaptionLinked() { return CustomAction() != nullptr; }
  virtual bool IsCheckedLinked() { return CustomAction() != nullptr; }
  virtual bool IsEnabledLinked() { return CustomAction() != nullptr; }
  virtual bool IsHelpLinked() { return CustomAction() != nullptr; }
  virtual bool IsHintLinked() { return CustomAction() != nullptr; }
  virtual bool IsImageIndexLinked() { return CustomAction() != nullptr; }
  virtual bool IsVisibleLinked() { return CustomAction() != nullptr; }

  virtual void SetCaption(const std::string&) {}
  virtual void SetChecked(bool) {}
  virtual void SetEnabled(bool) {}
  virtual void SetHelpContext(int32_t) {}
  virtual void SetHelpKeyword(const std::string&) {}
  virtual void SetHelpType(THelpType) {}
  virtual void SetHint(const std::string&) {}
  virtual void SetImageIndex(int32_t) {}
  virtual void SetVisible(bool) {}

protected:
  TCustomAction* CustomAction() const { return dynamic_cast<TCustomAction*>(Action()); }
};
