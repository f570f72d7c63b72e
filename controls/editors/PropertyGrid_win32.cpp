#include "controls/editors/PropertyGrid.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "classlib/core/Property.h"
#include "classlib/core/PropertyText.h"
#include "classlib/core/StringList.h"
#include "classlib/core/TemporaryChange.h"
#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Graphics.h"
#include "controls/boxes/PopupBox.h"
#include "controls/buttons/Button.h"
#include "controls/editors/BitmapEditor.h"
#include "controls/editors/BrushDesign.h"
#include "controls/editors/BrushDialog.h"
#include "controls/editors/PathDataDesigner.h"
#include "controls/text/Label.h"
#include "controls/textboxes/TextBox.h"
#include "engine/design/DesignerHook.h"
#include "engine/dialogs/SystemDialogs.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Font.h"
#include "engine/paint/Gradient.h"
#include "engine/paint/PathData.h"
#include "engine/scene/SceneInterface.h"
#include "engine/values/WideStrings.h"

CL_PUBLISHED(TvgInspector) {
  using I = TvgInspector;
  published.Property("SelectedObject", &I::SelectedObject, &I::SetSelectedObject);
  published.Property("DisabledProperties", &I::DisabledProperties, &I::SetDisabledProperties);
  published.Property("ShowProperties", &I::ShowProperties, &I::SetShowProperties).Default(true);
  published.Property("ShowEvents", &I::ShowEvents, &I::SetShowEvents).Default(false);
  published.Property("OnChangeProperty", &I::OnChangeProperty, &I::OnChangeProperty);
}

namespace {

constexpr uint16_t kEnd = 35, kHome = 36, kUp = 38, kDown = 40, kAdd = 107, kSubtract = 109;
const char* const kEditorName = "inspectorEditor";
constexpr float kParkedX = 2000;

// The values the button's editors edit.
bool HasEditDialog(const TObject* value) {
  return dynamic_cast<const TvgGradient*>(value) || dynamic_cast<const TvgBrush*>(value) ||
         dynamic_cast<const TvgBitmap*>(value) || dynamic_cast<const TvgPathData*>(value) ||
         dynamic_cast<const TvgFont*>(value);
}

// Properties sorted by name, ancestors' and own alike.
std::vector<const TPropInfo*> SortedProperties(const TObject& object) {
  std::vector<const TPropInfo*> props = object.ClassType()->Properties();
  std::stable_sort(props.begin(), props.end(),
                   [](const TPropInfo* a, const TPropInfo* b) { return CompareText(a->Name, b->Name) < 0; });
  return props;
}

// An object value that belongs to the object holding it (a brush, a font, bounds), as opposed
// to a reference to a component that lives on its own.
TObject* OwnedSubObject(const TObject& object, const TPropInfo& prop) {
  if (prop.Kind != TPropKind::Class) return nullptr;
  TObject* value = std::get<TObject*>(prop.Get(object));
  return dynamic_cast<TComponent*>(value) ? nullptr : value;
}

std::wstring HandlerName(const TObject& object, const TPropInfo& prop) {
  IvgDesignerHook* hook = vgDesignerHook();
  return hook ? GbkToUtf16(hook->MethodName(std::get<TMethod>(prop.Get(object)))) : std::wstring();
}

// What a row's label shows.
std::wstring ValueText(const TObject& object, const TPropInfo& prop) {
  if (prop.Kind == TPropKind::Method) return HandlerName(object, prop);
  if (prop.Kind != TPropKind::Class) return GetPropText(object, prop);
  TObject* value = std::get<TObject*>(prop.Get(object));
  if (!value) return {};
  if (auto* scene = dynamic_cast<TvgObject*>(value))
    return GbkToUtf16(scene->Name().empty() ? scene->ResourceName() : scene->Name());
  if (auto* component = dynamic_cast<TComponent*>(value)) return GbkToUtf16(component->Name());
  return GbkToUtf16(value->ClassName());
}

// Made by the inspector for itself: neither streamed nor picked by the designer.
void MarkAsOwnControl(TvgVisualObject& control, const std::string& resourceName) {
  control.SetResourceName(resourceName);
  control.SetLocked(true);
  control.SetStored(false);
}

}  // namespace

TvgInspector::TvgInspector(TComponent* owner)
    : TvgTreeView(owner), disabledProperties_(std::make_unique<TStringList>()) {
  SetResource("treeviewstyle");
  SetHideSelectionUnfocused(false);
  button_ = new TvgButton(this);
  button_->OnClick = [this](TObject*) { ApplyEditor(button_); };
  textBox_ = new TvgTextBox(this);
  textBox_->Padding()->SetRect({0, 0, 0, 0});
  textBox_->OnChange = [this](TObject*) { ApplyEditor(textBox_); };
  popupBox_ = new TvgPopupBox(this);
  popupBox_->SetTextAlign(vgTextAlignNear);
  popupBox_->OnChange = [this](TObject*) { ApplyEditor(popupBox_); };
  for (TvgControl* editor : std::initializer_list<TvgControl*>{button_, textBox_, popupBox_}) {
    MarkAsOwnControl(*editor, kEditorName);
    editor->TagString = "self";
    editor->SetDisableFocusEffect(true);
    editor->SetVisible(false);
    editor->Position()->SetX(kParkedX);
    AddObject(editor);
  }
}

TvgInspector::~TvgInspector() {
  button_->OnClick = nullptr;
  textBox_->OnChange = nullptr;
  popupBox_->OnChange = nullptr;
}

// --- Properties ------------------------------------------------------------------------------

void TvgInspector::SetSelectedObject(TComponent* object) {
  if (object == selectedObject_) return;
  ApplyShownTextOrPopup();
  if (selectedObject_) selectedObject_->RemoveFreeNotification(this);
  selectedObject_ = object;
  if (object) object->FreeNotification(this);
  Rebuild();
  PlaceEditor();
}

void TvgInspector::SetDisabledProperties(TStringList* names) {
  disabledProperties_->Assign(names);
  Rebuild();
}

void TvgInspector::SetShowProperties(bool show) {
  if (show == showProperties_) return;
  showProperties_ = show;
  Rebuild();
}

void TvgInspector::SetShowEvents(bool show) {
  if (show == showEvents_) return;
  showEvents_ = show;
  Rebuild();
}

void TvgInspector::Notification(TComponent* component, TOperation operation) {
  TvgTreeView::Notification(component, operation);
  if (operation != opRemove || component != selectedObject_) return;
  // The object is going: what an editor holds is dropped, not written into it.
  HideEditors();
  selectedObject_ = nullptr;
  if (!HasState(csDestroying)) Rebuild();
}

// --- Listing ---------------------------------------------------------------------------------

void TvgInspector::Rebuild() {
  BeginUpdate();
  HideEditors();
  Clear();
  if (selectedObject_) ListProperties(this, selectedObject_);
  EndUpdate();
}

void TvgInspector::ListProperties(TvgObject* parent, TObject* object) {
  if (!parent || !object) return;
  std::set<const TObject*> path{object};
  ListPropertiesOf(parent, *object, path);
}

// path holds the objects being listed above this one, so that a value leading back to one of
// them is shown but not listed again.
void TvgInspector::ListPropertiesOf(TvgObject* parent, TObject& object, std::set<const TObject*>& path) {
  for (const TPropInfo* prop : SortedProperties(object))
    if (IsListed(object, *prop)) ListProperty(parent, object, *prop, path);
}

bool TvgInspector::IsListed(TObject& object, const TPropInfo& prop) const {
  if (prop.IsReadOnly() || disabledProperties_->IndexOf(prop.Name) >= 0) return false;
  if (prop.Kind == TPropKind::Method) return showEvents_ && &object == selectedObject_;
  return showProperties_;
}

void TvgInspector::ListProperty(TvgObject* parent, TObject& object, const TPropInfo& prop,
                                std::set<const TObject*>& path) {
  auto* item = new TvgTreeViewItem(this);
  MarkAsOwnControl(*item, "");
  item->SetText(GbkToUtf16(prop.Name));
  item->TagObject = &object;
  item->TagString = prop.Name;
  parent->AddObject(item);

  auto* label = new TvgLabel(this);
  MarkAsOwnControl(*label, kEditorName);
  label->SetTextAlign(vgTextAlignNear);
  label->SetWordWrap(false);
  label->SetText(ValueText(object, prop));
  item->AddObject(label);
  label->SetBounds(Width() / 2, 0, Width(), item->Height() + 2);

  TObject* sub = OwnedSubObject(object, prop);
  if (!sub || !path.insert(sub).second) return;
  ListPropertiesOf(item, *sub, path);
  path.erase(sub);
}

TvgLabel* TvgInspector::ValueLabel(const TvgTreeViewItem* item) {
  for (int i = 0; item && i < item->ChildrenCount(); ++i)
    if (auto* label = dynamic_cast<TvgLabel*>(item->Children(i)); label && label->ResourceName() == kEditorName)
      return label;
  return nullptr;
}

const TPropInfo* TvgInspector::SelectedProperty(TObject*& owner) const {
  TvgTreeViewItem* item = Selected();
  owner = item ? item->TagObject : nullptr;
  const TPropInfo* prop = owner ? FindPropInfo(owner, item->TagString) : nullptr;
  return prop && !prop->IsReadOnly() && ValueLabel(item) ? prop : nullptr;
}

// --- Editors ---------------------------------------------------------------------------------

TvgControl* TvgInspector::ShownEditor() const {
  // The tree lays out while the constructor is still making the editors.
  for (TvgControl* editor : std::initializer_list<TvgControl*>{button_, textBox_, popupBox_})
    if (editor && editor->Visible() && editor->TagObject) return editor;
  return nullptr;
}

void TvgInspector::HideEditors() {
  const TTemporaryChange<bool> hiding(placing_, true);
  for (TvgControl* editor : std::initializer_list<TvgControl*>{button_, textBox_, popupBox_}) {
    if (auto* label = dynamic_cast<TvgLabel*>(editor->TagObject)) label->SetVisible(true);
    editor->TagObject = nullptr;
    editor->SetVisible(false);
  }
}

void TvgInspector::ApplyShownTextOrPopup() {
  TvgControl* editor = ShownEditor();
  if (editor == textBox_ || editor == popupBox_) ApplyEditor(editor);
}

void TvgInspector::SetSelected(TvgTreeViewItem* item) {
  if (item == Selected()) return;
  ApplyShownTextOrPopup();
  TvgTreeView::SetSelected(item);
  PlaceEditor();
}

void TvgInspector::PlaceEditor() {
  const bool editing = EditorHasFocus();
  HideEditors();
  TObject* owner = nullptr;
  const TPropInfo* prop = SelectedProperty(owner);
  // A row without an editor leaves the keys to the tree, not to the editor it hid.
  if ((!prop || !ChooseEditor(*owner, *prop)) && editing) SetFocus();
}

bool TvgInspector::ChooseEditor(TObject& owner, const TPropInfo& prop) {
  TvgLabel* label = ValueLabel(Selected());
  const TTemporaryChange<bool> placing(placing_, true);
  switch (prop.Kind) {
    case TPropKind::Enum:
    case TPropKind::Boolean: {
      TvgWideStringList names;
      for (const std::string& name : prop.EnumType->Names()) names.Add(GbkToUtf16(name));
      popupBox_->SetItems(&names);
      popupBox_->SetItemIndex(int(std::get<int64_t>(prop.Get(owner))));
      ShowEditor(popupBox_, label);
      return true;
    }
    case TPropKind::Class:
      if (HasEditDialog(std::get<TObject*>(prop.Get(owner)))) {
        button_->SetText(L"Edit...");
        ShowEditor(button_, label);
        return true;
      }
      if (!prop.IsComponentReference()) return false;
      break;
    default: break;
  }
  ShowValue(owner, prop, *label);
  ShowEditor(textBox_, label);
  if (prop.Kind == TPropKind::String || prop.Kind == TPropKind::Method) textBox_->SelectAll();
  return true;
}

bool TvgInspector::EditorHasFocus() const {
  TvgVisualObject* focused = Scene() ? Scene()->GetFocused() : nullptr;
  return focused && (focused == button_ || focused == textBox_ || focused == popupBox_);
}

void TvgInspector::ShowEditor(TvgControl* editor, TvgLabel* label) {
  editor->TagObject = label;
  label->SetVisible(false);
  editor->SetVisible(true);
  editor->SetLocked(true);
  editor->SetStored(false);
  PositionEditor();
  if (editor->Visible()) editor->SetFocus();
}

void TvgInspector::PositionEditor() {
  TvgControl* editor = ShownEditor();
  TvgTreeViewItem* item = Selected();
  if (!editor || !item || !Viewport()) return;
  const float top = AbsoluteToLocal(item->LocalToAbsolute({0, 0})).Y;
  const float level = float(item->Level());
  const float h = item->Height();
  const float width = Viewport()->Width() - Width() / 2 - Content()->Position()->X() + Viewport()->Position()->X() -
                      h * level - 1;
  editor->SetBounds(level * h + Width() / 2, top + 1, width, h - 2);
  const bool outside = top + 1 < 0 || top + h - 1 > Height();
  editor->SetOpacity(outside ? 0 : 1);
}

void TvgInspector::VScrollChange() {
  TvgTreeView::VScrollChange();
  PositionEditor();
}

void TvgInspector::GetContentBounds(TvgRect& rect) {
  TvgTreeView::GetContentBounds(rect);
  PositionEditor();
}

void TvgInspector::ShowValue(TObject& owner, const TPropInfo& prop, TvgLabel& label) {
  const std::wstring text = ValueText(owner, prop);
  label.SetText(text);
  if (textBox_->TagObject != &label && !placing_) return;
  textBox_->SetText(prop.IsComponentReference() ? GetPropText(owner, prop) : text);
  textBox_->SetModified(false);
}

void TvgInspector::ApplyEditor(TvgControl* editor) {
  if (Updating() || placing_ || HasState(csDestroying) || !editor || editor != ShownEditor()) return;
  TObject* owner = nullptr;
  const TPropInfo* prop = SelectedProperty(owner);
  if (!prop) return;
  TvgLabel& label = *ValueLabel(Selected());
  const TPropValue before = prop->Get(*owner);
  try {
    if (editor == textBox_) ApplyText(*owner, *prop);
    else if (editor == popupBox_) prop->Set(*owner, int64_t(popupBox_->ItemIndex()));
    else if (EditInDialog(std::get<TObject*>(before))) return OnChangeProperty(this, prop->Name);
    else return;
  } catch (const std::exception& error) {
    ShowValue(*owner, *prop, label);
    Application->ShowException(error);
    return;
  }
  ShowValue(*owner, *prop, label);
  if (prop->Get(*owner) != before) OnChangeProperty(this, prop->Name);
}

namespace {

// A modal editor works on a copy of the value: while it is open other code may free the
// inspected object, and the result goes back only into a value that is still there.
template <class T>
bool EditCopy(T& value, TComponent* const& inspected, const std::function<bool(T&)>& edit) {
  TComponent* before = inspected;
  T copy;
  copy.Assign(&value);
  if (!edit(copy) || inspected != before) return false;
  value.Assign(&copy);
  return true;
}

template <class F>
bool RunModal(F& form, const std::function<bool(F&)>& run) {
  try {
    const bool done = run(form);
    form.Free();
    return done;
  } catch (...) {
    form.Free();
    throw;
  }
}

}  // namespace

// The brush designer is modeless and edits the brush live; the others answer whether the value
// was changed.
bool TvgInspector::EditInDialog(TObject* value) {
  if (auto* brush = dynamic_cast<TvgBrush*>(value)) {
    ShowBrushDesigner(brush, selectedObject_);
    return false;
  }
  if (auto* gradient = dynamic_cast<TvgGradient*>(value))
    return EditCopy<TvgGradient>(*gradient, selectedObject_, [](TvgGradient& copy) { return EditGradient(&copy); });
  if (auto* bitmap = dynamic_cast<TvgBitmap*>(value))
    return EditCopy<TvgBitmap>(*bitmap, selectedObject_, [](TvgBitmap& copy) {
      return RunModal<TvgBitmapEditor>(*TCustomForm::Create<TvgBitmapEditor>(Application), [&copy](TvgBitmapEditor& editor) {
        editor.LoadBitmap(&copy);
        if (editor.ShowModal() != mrOk) return false;
        editor.StoreBitmap(&copy);
        return true;
      });
    });
  if (auto* path = dynamic_cast<TvgPathData*>(value))
    return EditCopy<TvgPathData>(*path, selectedObject_, [](TvgPathData& copy) {
      return RunModal<TvgPathDataDesigner>(*TCustomForm::Create<TvgPathDataDesigner>(Application),
                                           [&copy](TvgPathDataDesigner& designer) { return designer.Execute(copy); });
    });
  if (auto* font = dynamic_cast<TvgFont*>(value))
    return EditCopy<TvgFont>(*font, selectedObject_, [](TvgFont& copy) {
      TFont chosen;
      chosen.Assign(&copy);
      if (!vgSystemDialogs().PickFont(chosen)) return false;
      copy.Assign(&chosen);
      return true;
    });
  return false;
}

void TvgInspector::ApplyText(TObject& owner, const TPropInfo& prop) {
  if (prop.Kind != TPropKind::Method)
    return SetPropText(owner, prop, textBox_->Text(), selectedObject_ ? selectedObject_->Owner() : nullptr);
  IvgDesignerHook* hook = vgDesignerHook();
  const TMethod method = hook ? hook->MethodFromName(Utf16ToGbk(textBox_->Text())) : TMethod{};
  if (method) prop.Set(owner, method);
}

// While an editor has the focus the keys move along the rows (Home and End stay with the text
// box, whose caret they move), so one can step through the properties while editing.
void TvgInspector::DialogKey(uint16_t& key, TShiftState shift) {
  TvgTreeView::DialogKey(key, shift);
  TvgControl* editor = ShownEditor();
  TvgTreeViewItem* item = Selected();
  if (key == 0 || Count() == 0 || !item || !editor || !Scene() || Scene()->GetFocused() != editor) return;
  const int row = item->GlobalIndex();
  switch (key) {
    case kEnd:
    case kHome:
      if (editor == textBox_) return;
      SetSelected(ItemByGlobalIndex(key == kHome ? 0 : GlobalCount() - 1));
      break;
    case kUp:
      if (row > 0) SetSelected(ItemByGlobalIndex(row - 1));
      break;
    case kDown:
      if (row + 1 < GlobalCount()) SetSelected(ItemByGlobalIndex(row + 1));
      break;
    case kAdd: item->SetIsExpanded(true); break;
    case kSubtract: item->SetIsExpanded(false); break;
    default: return;
  }
  key = 0;
}
