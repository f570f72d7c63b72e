#pragma once
// Tab controls. TvgTabControl lays its TvgTabItem children out as a row of tabs along the top,
// places its style (the page frame) below them and shows only the page (the tab's Layout, a
// sibling of the tabs) of the selected tab, which it paints last so that it lies over the frame.
// ItemIndex counts the visible tabs only: a hidden tab is skipped, and hiding or showing tabs
// keeps a tab selected while one is visible. A click on a tab selects it; with the focus, the
// arrow keys, Home and End move between the tabs.
#include <string>

#include "controls/text/TextControl.h"

class TvgTabItem;

class TvgTabControl : public TvgControl {
  CL_CLASS(TvgTabControl, TvgControl)
public:
  explicit TvgTabControl(TComponent* owner);

  // The visible position of the selected tab, -1 for none.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  // Above 0: the height of the row of tabs, else the tallest tab's.
  float ItemHeight() const { return itemHeight_; }
  void SetItemHeight(float height);
  // The tabs share the whole width.
  bool FullSize() const { return fullSize_; }
  void SetFullSize(bool fullSize);

  // The visible tab at ItemIndex, or nullptr.
  TvgTabItem* SelectedTab() const;
  int VisibleTabCount() const;

  std::string GetItemClasses() override { return "TvgTabItem"; }
  void AddObject(TvgObject* object) override;
  void ApplyStyle() override;
  void FreeStyle() override { background_ = nullptr; }
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) override;
  void PaintChildren() override;
  void Realign() override;

  TNotifyEvent OnChange;

private:
  friend class TvgTabItem;
  // Without a word: the tab items re-select through SetItemIndex right after.
  void ForgetSelection() { itemIndex_ = -1; }
  void SetOpacityQuietly(TvgVisualObject& object, float opacity);
  float NumberTabs();  // numbers the visible tabs; answers the height of the row
  void PlaceFrame(float rowHeight);
  void PlaceTabs(float rowHeight);

  int itemIndex_ = -1;
  float itemHeight_ = 0;
  bool fullSize_ = false;
  TvgVisualObject* background_ = nullptr;
  bool realigning_ = false;
};

class TvgTabItem : public TvgTextControl {
  CL_CLASS(TvgTabItem, TvgTextControl)
public:
  explicit TvgTabItem(TComponent* owner);

  bool IsSelected() const { return isSelected_; }
  // The tab's place among the visible tabs, as the last layout numbered them.
  int VisibleIndex() const { return visibleIndex_; }
  // Moves the tab to that place among its parent's children.
  void MoveTo(int childIndex);
  // The page shown while the tab is selected.
  TvgVisualObject* Layout() const { return layout_; }
  void SetLayout(TvgVisualObject* layout);

  void ApplyStyle() override;
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y) override;
  void DesignSelect() override;
  void DesignInsert() override;
  void Notification(TComponent* component, TOperation operation) override;
  void SetVisible(bool visible) override;
  void Realign() override;

private:
  friend class TvgTabControl;
  TvgTabControl* TabControl() const;
  void SetIsSelected(bool selected);
  void Select();

  bool isSelected_ = false;
  int visibleIndex_ = -1;
  TvgVisualObject* layout_ = nullptr;
  bool realigning_ = false;
};

class TvgHudTabControl : public TvgTabControl {
  CL_CLASS(TvgHudTabControl, TvgTabControl)
public:
  using TvgTabControl::TvgTabControl;
  std::string GetItemClasses() override { return "TvgHudTabItem"; }
};

class TvgHudTabItem : public TvgTabItem {
  CL_CLASS(TvgHudTabItem, TvgTabItem)
public:
  using TvgTabItem::TvgTabItem;
};
