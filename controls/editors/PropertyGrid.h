#pragma once
// TvgInspector: a property grid on the tree view. It lists the published properties (and, with
// ShowEvents, the events) of SelectedObject by name, one locked item per property with its value
// in a label to the right, and the properties of owned sub-objects (a shape's Fill, a text's
// Font) as sub-items of a collapsed item. The selected row is edited in place by one of three
// shared editors laid over its label: a text box (numbers, strings, colours, sets, component
// references by name, event handlers by the designer hook's names), a pop-up box (enumerations
// and booleans) and a button "Edit..." that opens the toolkit's editor for a brush, gradient,
// bitmap, path or font.
//
// A value that does not convert is reported through the application and the row shows the old
// value again; OnChangeProperty fires only when a property really changed.
#include <memory>
#include <set>
#include <string>

#include "controls/treeview/TreeView.h"

class TPropInfo;
class TStringList;
class TvgButton;
class TvgLabel;
class TvgPopupBox;
class TvgTextBox;

using TvgOnChangeProperty = TEvent<TObject*, const std::string&>;

class TvgInspector : public TvgTreeView {
  CL_CLASS(TvgInspector, TvgTreeView)
public:
  explicit TvgInspector(TComponent* owner);
  ~TvgInspector() override;

  TComponent* SelectedObject() const { return selectedObject_; }
  void SetSelectedObject(TComponent* object);
  // Names never listed; writing copies the list.
  TStringList* DisabledProperties() const { return disabledProperties_.get(); }
  void SetDisabledProperties(TStringList* names);
  bool ShowProperties() const { return showProperties_; }
  void SetShowProperties(bool show);
  bool ShowEvents() const { return showEvents_; }
  void SetShowEvents(bool show);

  // Lists the selected object's properties afresh.
  void Rebuild();
  // Items for the properties of object under parent (the inspector or a property's item).
  void ListProperties(TvgObject* parent, TObject* object);
  // Shows the editor that suits the selected row over its label, filled with its value.
  void PlaceEditor();
  void PositionEditor();
  // Writes what the editor holds into the selected row's property.
  void ApplyEditor(TvgControl* editor);

  // The shared editors (hidden unless one edits the selected row).
  TvgButton* EditButton() const { return button_; }
  TvgTextBox* EditTextBox() const { return textBox_; }
  TvgPopupBox* EditPopupBox() const { return popupBox_; }
  // The label that shows the item's value, nullptr for an item that is no property row.
  static TvgLabel* ValueLabel(const TvgTreeViewItem* item);

  void SetSelected(TvgTreeViewItem* item) override;
  void Notification(TComponent* component, TOperation operation) override;
  void VScrollChange() override;
  // The rows may have moved: the editor follows its row.
  void GetContentBounds(TvgRect& rect) override;
  void DialogKey(uint16_t& key, TShiftState shift) override;

  TvgOnChangeProperty OnChangeProperty;

private:
  void ListProperty(TvgObject* parent, TObject& object, const TPropInfo& prop, std::set<const TObject*>& path);
  void ListPropertiesOf(TvgObject* parent, TObject& object, std::set<const TObject*>& path);
  bool IsListed(TObject& object, const TPropInfo& prop) const;
  // The selected row's property and the object that has it; nullptr when there is none.
  const TPropInfo* SelectedProperty(TObject*& owner) const;
  // The editor showing over the selected row, nullptr when none.
  TvgControl* ShownEditor() const;
  // Hides the editors and shows the labels they covered, writing nothing.
  void HideEditors();
  void ApplyShownTextOrPopup();
  // Shows the editor that suits the property over the selected row; false when none does.
  bool ChooseEditor(TObject& owner, const TPropInfo& prop);
  void ShowEditor(TvgControl* editor, TvgLabel* label);
  bool EditorHasFocus() const;
  // Sets the property from the text box's text (an event from the designer hook's handler).
  void ApplyText(TObject& owner, const TPropInfo& prop);
  // Opens the editor of the button's value; true when it ended with a changed value.
  bool EditInDialog(TObject* value);
  // The row's editor and label show what the property holds now.
  void ShowValue(TObject& owner, const TPropInfo& prop, TvgLabel& label);

  TComponent* selectedObject_ = nullptr;
  std::unique_ptr<TStringList> disabledProperties_;
  bool showProperties_ = true;
  bool showEvents_ = false;
  TvgButton* button_ = nullptr;
  TvgTextBox* textBox_ = nullptr;
  TvgPopupBox* popupBox_ = nullptr;
  bool placing_ = false;
};
