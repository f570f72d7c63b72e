// The design menu and the commands behind its items.
#include "engine/design/SceneDesigner.h"

#include <algorithm>
#include <vector>

#include "classlib/core/FileStream.h"
#include "classlib/core/StringStream.h"
#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Menus.h"
#include "engine/design/DesignStyle.h"
#include "engine/design/TabOrderEditor.h"
#include "engine/dialogs/SystemDialogs.h"
#include "engine/design/Grips.h"
#include "engine/scene/Scene.h"
#include "engine/tree/Control.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/tree/ObjectStreaming.h"
#include "engine/tree/VisualObject.h"

namespace {

// The last object copied in the designer, in object text form, shared by every scene.
std::string& DesignClipboard() {
  static std::string text;
  return text;
}

std::string WithoutTvg(const std::string& className) {
  return className.rfind("Tvg", 0) == 0 ? className.substr(3) : className;
}

std::vector<std::string> SplitClasses(const std::string& list) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t end = std::min(list.find(';', start), list.size());
    if (end > start) names.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

TMenuItem* AddItem(TMenuItem& parent, const std::string& caption, TNotifyEvent onClick = nullptr) {
  auto* item = new TMenuItem(nullptr);
  item->SetCaption(caption);
  item->OnClick = std::move(onClick);
  parent.Add(item);
  return item;
}

TMenuItem* AddCheckItem(TMenuItem& parent, const std::string& caption, bool checked, TNotifyEvent onClick) {
  TMenuItem* item = AddItem(parent, caption, std::move(onClick));
  item->SetChecked(checked);
  return item;
}

}  // namespace

// --- Menu ------------------------------------------------------------------------------------

TPopupMenu* TvgSceneDesigner::BuildMenu() {
  menu_ = std::make_unique<TPopupMenu>(nullptr);
  TMenuItem& items = *menu_->Items();
  TvgVisualObject* selection = Selection();
  if (selection)
    for (const std::string& name : SplitClasses(selection->GetItemClasses()))
      AddItem(items, "Add " + WithoutTvg(name), [this, name](TObject*) { InsertObject("Tvg" + WithoutTvg(name)); });

  // The category list is sorted by category: each run of one category is a submenu.
  TMenuItem* addObject = AddItem(items, "Add object");
  const std::vector<TvgObjectCategory>& categories = vgObjectCategories();
  for (size_t first = 0, end = 0; first < categories.size(); first = end) {
    std::vector<std::string> names;
    for (end = first; end < categories.size() && SameText(categories[end].Category, categories[first].Category); ++end)
      names.push_back(WithoutTvg(categories[end].Class->Name));
    std::sort(names.begin(), names.end());
    TMenuItem* submenu = AddItem(*addObject, categories[first].Category);
    for (const std::string& name : names)
      AddItem(*submenu, name, [this, name](TObject*) { InsertObject("Tvg" + name); });
  }

  AddItem(items, "-");
  AddItem(items, "Delete object", [this](TObject*) { DeleteSelection(); });
  AddItem(items, "Load From File...", [this](TObject*) { LoadFromFile(); });
  if (selection) {
    AddItem(items, "-");
    AddCheckItem(items, "Hide in Design-time", selection->DesignHide(), [this](TObject*) { ToggleDesignHide(); });
    if (auto* control = dynamic_cast<TvgControl*>(selection); control && control->StyleObject()) {
      AddItem(items, "Edit Default Style...", [this](TObject*) { CopyStyle(false); });
      AddItem(items, "Edit Custom Style...", [this](TObject*) { CopyStyle(true); });
    }
    if (selection->CanFocused() && vgVisualParent(*selection))
      AddItem(items, "Tab Order...", [this](TObject*) { EditTabOrder(); });
  }

  AddItem(items, "-");
  TMenuItem* order = AddItem(items, "Order");
  AddItem(*order, "Bring to front", [this](TObject*) { BringToFront(); });
  AddItem(*order, "Send to back", [this](TObject*) { SendToBack(); });
  TMenuItem* edit = AddItem(items, "Edit");
  AddItem(*edit, "Copy to clipboard", [this](TObject*) { CopyToClipboard(); });
  AddItem(*edit, "Paste from clipboard", [this](TObject*) { PasteFromClipboard(); });
  TMenuItem* grid = AddItem(items, "Grid");
  const bool toGrid = scene_.snapToGrid_, toLines = scene_.snapToLines_;
  AddCheckItem(*grid, "Show snap grid", scene_.snapGridShow_, [this](TObject*) { SetGridShown(!scene_.snapGridShow_); });
  AddCheckItem(*grid, "Snap to grid", toGrid, [this](TObject*) { SetSnapping(true, false); });
  AddCheckItem(*grid, "Snap to lines", toLines, [this](TObject*) { SetSnapping(false, true); });
  AddCheckItem(*grid, "Snap disabled", !toGrid && !toLines, [this](TObject*) { SetSnapping(false, false); });
  return menu_.get();
}

void TvgSceneDesigner::ShowMenu(const TvgPoint& screenPoint) {
  if (!menuEnabled_) return;
  BuildMenu()->Popup(int(screenPoint.X), int(screenPoint.Y));
}

// --- Commands --------------------------------------------------------------------------------

// The selection passes to the parent, or the root, before the object goes; the root stays.
void TvgSceneDesigner::DeleteSelection() {
  TvgVisualObject* selection = Selection();
  TvgObject* root = scene_.GetRoot();
  if (!selection || selection == root) return;
  TvgVisualObject* next = vgVisualParent(*selection);
  if (!next && root) next = root->Visual();
  scene_.DesignSelect(next);
  selection->Free();
  RepaintAll();
}

// A file that holds no object in text form adds nothing.
void TvgSceneDesigner::LoadFromFile() {
  std::string fileName;
  if (!vgSystemDialogs().OpenFile("Scene Files|*.scene;*.scn", fileName)) return;
  TvgObject* object = nullptr;
  try {
    TFileStream file(fileName, fmOpenRead);
    object = vgLoadObjectFromText(scene_.Owner(), file);
  } catch (const Exception&) {
    return;
  }
  if (!object) return;
  Adopt(object);
  RepaintAll();
}

void TvgSceneDesigner::ToggleDesignHide() {
  TvgVisualObject* selection = Selection();
  if (!selection) return;
  const bool hide = !selection->DesignHide();
  selection->SetDesignHide(hide);
  if (hide) scene_.DesignSelect(vgVisualParent(*selection));
  RepaintAll();
}

void TvgSceneDesigner::CopyStyle(bool custom) {
  if (auto* control = dynamic_cast<TvgControl*>(Selection())) vgCopyStyleToScene(*control, scene_, custom);
}

void TvgSceneDesigner::EditTabOrder() {
  TvgVisualObject* selection = Selection();
  if (selection && vgVisualParent(*selection)) TvgTabOrderEditor(*selection).Execute();
}

void TvgSceneDesigner::BringToFront() {
  if (TvgVisualObject* selection = Selection()) selection->BringToFront();
  RepaintAll();
}

void TvgSceneDesigner::SendToBack() {
  if (TvgVisualObject* selection = Selection()) selection->SendToBack();
  RepaintAll();
}

void TvgSceneDesigner::CopyToClipboard() {
  TvgVisualObject* selection = Selection();
  if (!selection) return;
  TStringStream text;
  vgSaveObjectToText(selection, text);
  DesignClipboard() = text.DataString();
}

void TvgSceneDesigner::PasteFromClipboard() {
  if (DesignClipboard().empty()) return;
  TStringStream text(DesignClipboard());
  TvgObject* object = vgLoadObjectFromText(scene_.Owner(), text);
  if (!object) return;
  Adopt(object);
  RepaintAll();
}

void TvgSceneDesigner::SetSnapping(bool grid, bool lines) {
  if (grid == scene_.snapToGrid_ && lines == scene_.snapToLines_) return;
  scene_.snapToGrid_ = grid;
  scene_.snapToLines_ = lines;
  scene_.updateRects_.clear();
  RepaintAll();
}

void TvgSceneDesigner::SetGridShown(bool shown) {
  if (shown == scene_.snapGridShow_) return;
  scene_.snapGridShow_ = shown;
  scene_.updateRects_.clear();
  RepaintAll();
}
