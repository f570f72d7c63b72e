#include "engine/design/TabOrderEditor.h"

#include <algorithm>

#include "classlib/core/Property.h"
#include "classlib/core/SysUtils.h"
#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Form.h"
#include "engine/paint/Brush.h"
#include "engine/design/Grips.h"
#include "engine/scene/Scene.h"
#include "engine/shapes/Shapes.h"
#include "engine/shapes/Text.h"
#include "engine/tree/Control.h"

namespace {

constexpr int kFormWidth = 400, kFormHeight = 300;
// The list's place inside the window: left, top, right and bottom insets.
constexpr float kListLeft = 26, kListTop = 45, kListRight = 86, kListBottom = 33;
constexpr float kRowHeight = 20;
constexpr float kButtonWidth = 50, kButtonHeight = 26, kButtonInset = 70;
constexpr TvgColor kWindowColor = 0xE0202428, kWindowLineColor = 0xFF5A5F66, kListColor = 0xFF16181B;
constexpr TvgColor kChosenColor = 0xFF3C78C8, kTextColor = 0xFFFFFFFF;

template <class T>
T* Child(TvgObject& parent, float x, float y, float width, float height) {
  auto* child = new T(nullptr);
  child->SetBounds(x, y, width, height);
  parent.AddObject(child);
  return child;
}

TvgText* Caption(TvgObject& parent, const std::wstring& text, float x, float y, float width, float height) {
  auto* caption = Child<TvgText>(parent, x, y, width, height);
  caption->SetText(text);
  caption->Fill()->SetSolidColor(kTextColor);
  caption->SetHitTest(false);
  return caption;
}

std::wstring EntryName(TvgVisualObject& object) {
  return GbkToUtf16(object.Name().empty() ? object.ClassName() : object.Name());
}

}  // namespace

TvgTabOrderEditor::TvgTabOrderEditor(TvgVisualObject& selection) : parent_(*vgVisualParent(selection)) {
  form_ = new TForm(nullptr);
  form_->SetBorderStyle(bsNone);
  form_->SetPosition(poScreenCenter);
  form_->SetBounds(0, 0, kFormWidth, kFormHeight);
  scene_ = new TvgWindowScene(form_);
  scene_->SetParent(form_);
  scene_->SetAlign(alClient);
  scene_->SetTransparency(true);
  scene_->Fill()->SetStyle(vgBrushNone);

  auto* window = new TvgRectangle(nullptr);
  window->Fill()->SetSolidColor(kWindowColor);
  window->Stroke()->SetSolidColor(kWindowLineColor);
  window->SetXRadius(8);
  window->SetYRadius(8);
  scene_->AddObject(window);
  Caption(*window, L"TabOrder Editor", 0, 8, kFormWidth, 22);
  list_ = Child<TvgRectangle>(*window, kListLeft, kListTop, kFormWidth - kListLeft - kListRight,
                              kFormHeight - kListTop - kListBottom);
  list_->Fill()->SetSolidColor(kListColor);
  list_->Stroke()->SetSolidColor(kWindowLineColor);
  AddButton(L"Up", 50, &TvgTabOrderEditor::MoveUp);
  AddButton(L"Down", 90, &TvgTabOrderEditor::MoveDown);

  Fill();
  if (auto* control = dynamic_cast<TvgControl*>(&selection)) SetItemIndex(control->TabOrder());
  else SetItemIndex(int(std::find(parent_.TabList().begin(), parent_.TabList().end(), &selection) -
                        parent_.TabList().begin()));
}

TvgTabOrderEditor::~TvgTabOrderEditor() { form_->Free(); }

// The buttons are the toolkit's HUD buttons, found by class name so that this layer stays below
// the controls.
void TvgTabOrderEditor::AddButton(const std::wstring& text, float y, void (TvgTabOrderEditor::*command)()) {
  auto* button = static_cast<TvgVisualObject*>(FindClass("TvgHudButton")->Construct(nullptr));
  SetPropValue(button, "Text", text);
  button->SetBounds(kFormWidth - kButtonInset, y, kButtonWidth, kButtonHeight);
  button->OnClick = [this, command](TObject*) { (this->*command)(); };
  scene_->GetRoot()->AddObject(button);
}

std::vector<std::wstring> TvgTabOrderEditor::Entries() const {
  std::vector<std::wstring> entries;
  for (TvgVisualObject* object : parent_.TabList()) entries.push_back(EntryName(*object));
  return entries;
}

void TvgTabOrderEditor::Fill() {
  for (TvgRectangle* row : std::exchange(rows_, {})) row->Free();
  const std::vector<std::wstring> entries = Entries();
  for (size_t i = 0; i < entries.size(); ++i) {
    auto* row = Child<TvgRectangle>(*list_, 1, 1 + kRowHeight * float(i), list_->Width() - 2, kRowHeight);
    row->Stroke()->SetStyle(vgBrushNone);
    Caption(*row, entries[i], 6, 0, row->Width() - 12, kRowHeight)->SetHorzTextAlign(vgTextAlignNear);
    row->OnClick = [this, i](TObject*) { SetItemIndex(int(i)); };
    rows_.push_back(row);
  }
  SetItemIndex(itemIndex_);
}

// The chosen row stays marked while the list has no focus.
void TvgTabOrderEditor::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < int(rows_.size()) ? index : -1;
  for (size_t i = 0; i < rows_.size(); ++i)
    rows_[i]->Fill()->SetSolidColor(int(i) == itemIndex_ ? kChosenColor : 0);
}

void TvgTabOrderEditor::MoveBy(int step) {
  if (itemIndex_ < 0) return;
  TvgVisualObject* chosen = parent_.TabList().at(size_t(itemIndex_));
  parent_.MoveInTabList(chosen, itemIndex_ + step);
  const auto& list = parent_.TabList();
  itemIndex_ = int(std::find(list.begin(), list.end(), chosen) - list.begin());
  Fill();
}

void TvgTabOrderEditor::Execute() { form_->ShowModal(); }
