#include "controls/grid/Column.h"

#include "classlib/core/SysUtils.h"
#include "classlib/core/TemporaryChange.h"
#include "classlib/desktop/Control.h"
#include "controls/grid/Grid.h"
#include "controls/grid/Header.h"
#include "engine/values/TextForms.h"
#include "engine/values/WideStrings.h"

CL_PUBLISHED(TvgTextCell) {}
CL_PUBLISHED(TvgCheckCell) {}
CL_PUBLISHED(TvgProgressCell) {}
CL_PUBLISHED(TvgPopupCell) {}
CL_PUBLISHED(TvgImageCell) {}

CL_PUBLISHED(TvgColumn) {
  using C = TvgColumn;
  published.Property("AutoTranslate", &C::AutoTranslate, &C::SetAutoTranslate).Default(true);
  published.Property("HitTest", &C::HitTest, &C::SetHitTest).Default(false);
  published.Property("CanFocused", &C::CanFocused, &C::SetCanFocused).Default(false);
  published.Property("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Default(false);
  published.Property("Header", &C::Header, &C::SetHeader);
}

CL_PUBLISHED(TvgCheckColumn) {}

CL_PUBLISHED(TvgProgressColumn) {
  using C = TvgProgressColumn;
  published.Property("Min", &C::Min, &C::SetMin).Default(0.0f);
  published.Property("Max", &C::Max, &C::SetMax).Default(100.0f);
}

CL_PUBLISHED(TvgPopupColumn) {
  using C = TvgPopupColumn;
  published.Property("Items", &C::Items, &C::SetItems);
}

CL_PUBLISHED(TvgImageColumn) {}
CL_PUBLISHED(TvgStringColumn) {}

namespace {

struct TCellPlace {
  int32_t Col, Row;
};

TCellPlace PlaceOf(const TvgControl& cell) {
  const TvgPoint p = vgStrToPoint(cell.TagString);
  return {int32_t(Trunc(p.X)), int32_t(Trunc(p.Y))};
}

}  // namespace

TvgColumn::TvgColumn(TComponent* owner) : TvgControl(owner) {
  SetSizeDirect(100, Height());
  SetAutoTranslate(true);
  SetHitTest(false);
  SetCanFocused(false);
}

TvgCustomGrid* TvgColumn::Grid() const {
  for (TvgObject* p = Parent(); p; p = p->Parent())
    if (auto* grid = dynamic_cast<TvgCustomGrid*>(p)) return grid;
  return nullptr;
}

void TvgColumn::SetHeader(const std::wstring& header) {
  if (header == header_) return;
  header_ = header;
  TvgCustomGrid* grid = Grid();
  if (!grid || !grid->Header()) return;
  if (TvgHeaderItem* item = grid->Header()->Items(grid->IndexOfColumn(this))) item->SetText(header_);
}

TvgControl* TvgColumn::CellByRow(int32_t row) const {
  for (TvgControl* cell : cells_)
    if (cell->Visible() && PlaceOf(*cell).Row == row) return cell;
  return nullptr;
}

int32_t TvgColumn::TopRow() const {
  TvgCustomGrid* grid = Grid();
  return grid ? grid->TopRow() : 0;
}

TvgControl* TvgColumn::CreateCellControl() {
  auto* cell = new TvgTextCell(nullptr);
  cell->OnChange = [this, cell](TObject*) { CellChanged(cell); };
  return cell;
}

void TvgColumn::AddCell() {
  TvgControl* cell = CreateCellControl();
  cell->SetStored(false);
  cell->SetLocked(true);
  cell->SetHitTest(false);
  cell->SetCanFocused(false);
  cell->SetVisible(false);
  InstallCellHandlers(cell);
  AddObject(cell);
  cells_.push_back(cell);
}

void TvgColumn::InstallCellHandlers(TvgControl* cell) {
  cell->OnCanFocused = [this](TObject*, bool& allowed) {
    TvgCustomGrid* grid = Grid();
    allowed = grid && grid->CanEditModify() && !readOnly_;
  };
  cell->OnEnterFocus = [this, cell](TObject*) { CellEntered(cell); };
  cell->OnKeyDown = [this, cell](TObject*, uint16_t& key, wchar_t& keyChar, TShiftState shift) {
    CellKeyDown(cell, key, keyChar, shift);
  };
}

// A cell whose row changes under an edit ends the edit first, so the edit reaches its own row.
void TvgColumn::UpdateColumn() {
  TvgCustomGrid* grid = Grid();
  if (!grid) return;
  const int32_t n = grid->BoundRows();
  const int32_t top = grid->TopRow();
  for (size_t i = 0; i < cells_.size(); ++i)
    if (cells_[i]->IsFocused() && (int32_t(i) >= n || PlaceOf(*cells_[i]).Row != top + int32_t(i))) grid->FocusGrid();
  const TTemporaryChange<bool> guard(updating_, true);
  while (int32_t(cells_.size()) < n) AddCell();
  const int32_t col = grid->IndexOfColumn(this);
  for (size_t i = 0; i < cells_.size(); ++i) {
    TvgControl* cell = cells_[i];
    const int32_t row = top + int32_t(i);
    if (int32_t(i) >= n || row >= grid->RowCount()) {
      cell->SetVisible(false);
      continue;
    }
    cell->SetVisible(true);
    cell->SetBounds(0, grid->RowHeight() * float(i), Width(), grid->RowHeight());
    cell->TagString = vgPointToStr({float(col), float(row)});
    Variant value;
    grid->GetValue(col, row, value);
    cell->SetData(value.IsEmpty() ? Variant::Null() : value);
  }
  UpdateFocusability();
}

// Every cell is looked at, hidden ones too: a hidden cell that kept the focus would go on
// taking keys for a row no longer shown.
void TvgColumn::UpdateFocusability() {
  TvgCustomGrid* grid = Grid();
  if (!grid || grid->ReadOnly() || readOnly_) return;
  const bool selectedColumn = grid->IndexOfColumn(this) == grid->ColumnIndex();
  for (TvgControl* cell : cells_) {
    const bool editable = selectedColumn && cell->Visible() && PlaceOf(*cell).Row == grid->Selected();
    cell->SetCanFocused(editable);
    cell->SetHitTest(editable);
    if (!editable && cell->IsFocused()) grid->FocusGrid();
  }
}

void TvgColumn::CellEntered(TvgControl* cell) {
  if (TvgCustomGrid* grid = Grid()) grid->SetColumnIndex(grid->IndexOfColumn(this));
  savedData_ = cell->GetData();
}

void TvgColumn::CellKeyDown(TvgControl* cell, uint16_t& key, wchar_t& keyChar, TShiftState shift) {
  TvgCustomGrid* grid = Grid();
  if (!grid) return;
  if (keyChar != 0 && !grid->CanEditAcceptKey(keyChar)) keyChar = 0;
  switch (key) {
    case VK_RETURN:
      grid->FocusGrid();
      key = 0;
      break;
    case VK_ESCAPE: {
      const TTemporaryChange<bool> guard(cancelling_, true);
      cell->SetData(savedData_);
      grid->FocusGrid();
      key = 0;
      break;
    }
    case VK_UP:
    case VK_DOWN:
      grid->FocusGrid();
      grid->KeyDown(key, keyChar, shift);
      key = 0;
      break;
    default: break;
  }
}

// Edits of rows outside RowCount (a cell still focused after the rows went) are dropped.
void TvgColumn::CellChanged(TvgControl* cell) {
  if (updating_ || HasState(csDestroying)) return;
  if (cancelling_ && dynamic_cast<TvgTextCell*>(cell)) return;
  TvgCustomGrid* grid = Grid();
  if (!grid || grid->HasState(csDestroying)) return;
  const TCellPlace place = PlaceOf(*cell);
  if (place.Row < 0 || place.Row >= grid->RowCount() || !grid->Columns(place.Col)) return;
  grid->SetValue(place.Col, place.Row, cell->GetData());
  grid->OnEdititingDone(grid, place.Col, place.Row);
}

// --- Column kinds ------------------------------------------------------------------------------

TvgControl* TvgCheckColumn::CreateCellControl() {
  auto* cell = new TvgCheckCell(nullptr);
  cell->OnChange = [this, cell](TObject*) { CellChanged(cell); };
  return cell;
}

TvgControl* TvgProgressColumn::CreateCellControl() {
  auto* cell = new TvgProgressCell(nullptr);
  SetUpCell(*cell);
  return cell;
}

void TvgProgressColumn::SetUpCell(TvgProgressCell& cell) const {
  cell.SetMin(min_);
  cell.SetMax(max_);
}

void TvgProgressColumn::SetMin(float min) {
  min_ = min;
  for (TvgControl* cell : Cells()) SetUpCell(static_cast<TvgProgressCell&>(*cell));
}

void TvgProgressColumn::SetMax(float max) {
  max_ = max;
  for (TvgControl* cell : Cells()) SetUpCell(static_cast<TvgProgressCell&>(*cell));
}

TvgPopupColumn::TvgPopupColumn(TComponent* owner) : TvgColumn(owner), items_(std::make_unique<TvgWideStringList>()) {
  items_->OnChange = [this](TObject*) {
    for (TvgControl* cell : Cells()) static_cast<TvgPopupCell*>(cell)->SetItems(items_.get());
  };
}

TvgPopupColumn::~TvgPopupColumn() { items_->OnChange = nullptr; }

void TvgPopupColumn::SetItems(TvgWideStrings* items) { items_->Assign(items); }

TvgControl* TvgPopupColumn::CreateCellControl() {
  auto* cell = new TvgPopupCell(nullptr);
  cell->SetItems(items_.get());
  return cell;
}

TvgControl* TvgImageColumn::CreateCellControl() {
  auto* cell = new TvgImageCell(nullptr);
  cell->SetEnableOpenDialog(false);
  return cell;
}

void TvgStringColumn::UpdateColumn() {
  if (TvgCustomGrid* grid = Grid()) strings_.resize(size_t(std::max(grid->RowCount(), 0)));
  TvgColumn::UpdateColumn();
}
