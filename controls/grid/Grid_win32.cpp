#include "controls/grid/Grid.h"

#include <algorithm>

#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Control.h"
#include "controls/grid/Column.h"
#include "controls/grid/Header.h"
#include "controls/panels/SelectionItem.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/styles/ResourceObjects.h"

CL_PUBLISHED(TvgCustomGrid) {}

CL_PUBLISHED(TvgGrid) {
  using G = TvgGrid;
  published.Property("RowCount", &G::RowCount, &G::SetRowCount).Default(100);
  published.Property("OnGetValue", &G::OnGetValue, &G::OnGetValue);
  published.Property("OnSetValue", &G::OnSetValue, &G::OnSetValue);
}

CL_PUBLISHED(TvgStringGrid) {
  using G = TvgStringGrid;
  published.Property("RowCount", &G::RowCount, &G::SetRowCount).Default(100);
}

TvgCustomGrid::TvgCustomGrid(TComponent* owner)
    : TvgScrollBox(owner),
      alternatingBrush_(std::make_unique<TvgBrush>(vgBrushSolid, 0x20000000)),
      lineBrush_(std::make_unique<TvgBrush>(vgBrushSolid, 0xFF202020)) {
  SetCanFocused(true);
  SetAutoCapture(true);
  SetSizeDirect(100, 100);
}

TvgCustomGrid::~TvgCustomGrid() = default;

std::string TvgCustomGrid::GetItemClasses() {
  return "TvgColumn;TvgCheckColumn;TvgProgressColumn;TvgPopupColumn;TvgImageColumn";
}

// --- Columns -----------------------------------------------------------------------------------

int TvgCustomGrid::ColumnCount() const {
  int count = 0;
  for (int i = 0; i < Content()->ChildrenCount(); ++i)
    if (dynamic_cast<TvgColumn*>(Content()->Children(i))) ++count;
  return count;
}

TvgColumn* TvgCustomGrid::Columns(int index) const {
  if (index < 0) return nullptr;
  for (int i = 0; i < Content()->ChildrenCount(); ++i) {
    auto* column = dynamic_cast<TvgColumn*>(Content()->Children(i));
    if (column && index-- == 0) return column;
  }
  return nullptr;
}

int TvgCustomGrid::IndexOfColumn(const TvgColumn* column) const {
  int index = 0;
  for (int i = 0; i < Content()->ChildrenCount(); ++i) {
    auto* child = dynamic_cast<TvgColumn*>(Content()->Children(i));
    if (!child) continue;
    if (child == column) return index;
    ++index;
  }
  return -1;
}

bool TvgCustomGrid::IsOwnItem(TvgObject* object) const {
  return dynamic_cast<TvgColumn*>(object) || dynamic_cast<TvgSelectionItem*>(object);
}

void TvgCustomGrid::AddObject(TvgObject* object) {
  TvgScrollBox::AddObject(object);
  if (IsOwnItem(object) && !Updating()) Realign();
}

void TvgCustomGrid::ContentBeforeRemoveObject(TvgObject* object) {
  if (auto* column = dynamic_cast<TvgColumn*>(object)) removedColumn_ = IndexOfColumn(column);
}

// The selected column index follows the columns that remain: it moves down with its column when
// one before it goes, and stays within the columns when the selected one goes.
void TvgCustomGrid::ContentRemoveObject(TvgObject*) {
  if (removedColumn_ < 0) return;
  if (columnIndex_ > removedColumn_) --columnIndex_;
  columnIndex_ = std::max(0, std::min(columnIndex_, ColumnCount() - 1));
  removedColumn_ = -1;
  if (!HasState(csDestroying)) Realign();
}

void TvgCustomGrid::UpdateColumns() {
  const float top = float(GetTopRow()) * rowHeight_;
  for (int i = 0, n = ColumnCount(); i < n; ++i) {
    TvgColumn* column = Columns(i);
    column->Position()->SetY(top);
    column->UpdateColumn();
  }
}

// --- Rows --------------------------------------------------------------------------------------

void TvgCustomGrid::SetRowCount(int32_t count) {
  count = std::max(count, 0);
  if (count == rowCount_) return;
  rowCount_ = count;
  Realign();
  if (selected_ >= count && count > 0) SetSelected(count - 1);
}

void TvgCustomGrid::SetRowHeight(float height) {
  height = std::max(height, 5.0f);
  if (height == rowHeight_) return;
  rowHeight_ = height;
  Realign();
}

int32_t TvgCustomGrid::GetTopRow() { return int32_t(Trunc(GetVScrollOffset() / rowHeight_)); }

int32_t TvgCustomGrid::VisibleRows() { return int32_t(Trunc(GetViewportHeight() / rowHeight_)) + 2; }

int32_t TvgCustomGrid::BoundRows() { return std::max(0, std::min(rowCount_, VisibleRows())); }

int32_t TvgCustomGrid::RowByPoint(float x, float y) {
  if (!Content()) return -1;
  const TvgPoint inContent = Content()->AbsoluteToLocal(LocalToAbsolute({x, y}));
  return int32_t(Trunc(inContent.Y / rowHeight_));
}

TvgColumn* TvgCustomGrid::ColumnByPoint(float x, float y) {
  const TvgPoint point = LocalToAbsolute({x, y});
  for (int i = 0, n = ColumnCount(); i < n; ++i) {
    TvgColumn* column = Columns(i);
    if (column->Visible() && column->PointInObject(point.X, point.Y)) return column;
  }
  return nullptr;
}

// --- Values ------------------------------------------------------------------------------------

void TvgCustomGrid::GetValue(int32_t col, int32_t row, Variant& value) {
  value = Variant();
  OnGetValue(this, col, row, value);
}

void TvgCustomGrid::SetValue(int32_t col, int32_t row, const Variant& value) { OnSetValue(this, col, row, value); }

bool TvgCustomGrid::CanEditAcceptKey(wchar_t) { return true; }

bool TvgCustomGrid::CanEditModify() { return !readOnly_; }

void TvgCustomGrid::FocusGrid() { SetFocus(); }

// --- Selection ---------------------------------------------------------------------------------

void TvgCustomGrid::SetSelected(int32_t row) {
  if (row == selected_) return;
  row = std::min(std::max(row, 0), rowCount_ - 1);
  selected_ = row;
  ScrollRowIntoView(row);
  UpdateSelection();
}

void TvgCustomGrid::SetScrollValue(TvgControl* bar, float value) {
  if (bar) SetPropValue(bar, "Value", double(value));
}

void TvgCustomGrid::ScrollRowIntoView(int32_t row) {
  const float value = GetVScrollOffset();
  const float top = float(row) * rowHeight_;
  if (GetTopRow() >= row) SetScrollValue(VScrollBar(), top);
  else if (top > GetViewportHeight() + value - rowHeight_) SetScrollValue(VScrollBar(), rowHeight_ + top - GetViewportHeight());
}

void TvgCustomGrid::SetColumnIndex(int32_t index) {
  index = std::max(0, std::min(index, ColumnCount() - 1));
  if (index == columnIndex_) return;
  columnIndex_ = index;
  UpdateSelection();
  if (TvgColumn* column = Columns(index)) ScrollColumnIntoView(*column);
}

void TvgCustomGrid::ScrollColumnIntoView(const TvgColumn& column) {
  const float value = GetHScrollOffset();
  const float left = column.Position()->X();
  if (left < value) SetScrollValue(HScrollBar(), left);
  else if (left + column.Width() > GetViewportWidth() + value)
    SetScrollValue(HScrollBar(), left + column.Width() - GetViewportWidth());
}

TvgControl* TvgCustomGrid::SelectedCell() const {
  TvgColumn* column = Columns(columnIndex_);
  return column ? column->CellByRow(selected_) : nullptr;
}

// The selected row may have been scrolled out of view (by the wheel or the bar): an edit brings
// it back, as the user's typing or F2 is meant for it.
TvgControl* TvgCustomGrid::SelectedCellInView() {
  if (selected_ < 0 || selected_ >= rowCount_) return nullptr;
  ScrollRowIntoView(selected_);
  if (TvgColumn* column = Columns(columnIndex_)) ScrollColumnIntoView(*column);
  return SelectedCell();
}

TvgPoint TvgCustomGrid::ContentOriginIn(TvgVisualObject& object) {
  return object.AbsoluteToLocal(Content()->LocalToAbsolute({0, 0}));
}

// The row's band is drawn by a clone of the "selection" part, the cell by the "focus" part.
void TvgCustomGrid::UpdateSelection() {
  TvgColumn* column = Columns(columnIndex_);
  TvgVisualObject* parent = selection_ && selection_->Parent() ? selection_->Parent()->Visual() : nullptr;
  if (!parent || !column || rowCount_ <= 0 || selected_ < 0) {
    for (TvgVisualObject* clone : selections_) clone->SetVisible(false);
    if (focus_) focus_->SetVisible(false);
    return;
  }
  const TvgPoint origin = ContentOriginIn(*parent);
  const float top = origin.Y + float(selected_) * rowHeight_;
  const float width = std::max(GetViewportWidth(), Content()->Width());
  PlaceSelection({origin.X, top, origin.X + width, top + rowHeight_});
  if (focus_ && showSelectedCell_) {
    TvgBounds* pad = focus_->Padding();
    focus_->SetVisible(true);
    focus_->BringToFront();
    focus_->SetBounds(origin.X + column->Position()->X() + pad->Left(), top + pad->Top(),
                      column->Width() - pad->Left() - pad->Right(), rowHeight_ - pad->Top() - pad->Bottom());
  } else if (focus_) {
    focus_->SetVisible(false);
  }
  for (int i = 0, n = ColumnCount(); i < n; ++i) Columns(i)->UpdateFocusability();
}

void TvgCustomGrid::PlaceSelection(const TvgRect& rowRect) {
  if (selections_.empty()) {
    auto* clone = static_cast<TvgVisualObject*>(selection_->Clone(nullptr));
    clone->SetResourceName("");
    clone->SetStored(false);
    selection_->Parent()->AddObject(clone);
    selections_.push_back(clone);
  }
  for (size_t k = 1; k < selections_.size(); ++k) selections_[k]->SetVisible(false);
  TvgVisualObject* clone = selections_.front();
  clone->SetVisible(true);
  clone->SetBounds(rowRect.Left, rowRect.Top, vgRectWidth(rowRect), vgRectHeight(rowRect));
}

// --- Options -----------------------------------------------------------------------------------

void TvgCustomGrid::SetAlternatingRowBackground(bool value) {
  if (value == alternatingRowBackground_) return;
  alternatingRowBackground_ = value;
  Repaint();
}

void TvgCustomGrid::SetShowHorzLines(bool value) {
  if (value == showHorzLines_) return;
  showHorzLines_ = value;
  Repaint();
}

void TvgCustomGrid::SetShowVertLines(bool value) {
  if (value == showVertLines_) return;
  showVertLines_ = value;
  Repaint();
}

void TvgCustomGrid::SetShowHeader(bool value) {
  if (value == showHeader_) return;
  showHeader_ = value;
  if (header_) header_->SetVisible(value);
}

void TvgCustomGrid::SetShowSelectedCell(bool value) {
  if (value == showSelectedCell_) return;
  showSelectedCell_ = value;
  UpdateSelection();
}

// --- Layout and scrolling ----------------------------------------------------------------------

// The columns stand side by side at the top row in view, as high as the viewport; the content is
// as large as all rows and columns, and never smaller than the viewport.
void TvgCustomGrid::GetContentBounds(TvgRect& rect) {
  if (Updating() || !Viewport()) {
    rect = GetLocalRect();
    return;
  }
  rect = Viewport()->GetLocalRect();
  const float top = float(GetTopRow()) * rowHeight_;
  float x = rect.Left;
  for (int i = 0, n = ColumnCount(); i < n; ++i) {
    TvgColumn* column = Columns(i);
    column->SetBounds(x, top, column->Width(), GetViewportHeight());
    column->UpdateColumn();
    x += column->Width();
  }
  rect.Right = rect.Left + std::max(x - rect.Left, vgRectWidth(rect));
  rect.Bottom = rect.Top + std::max(float(rowCount_) * rowHeight_, vgRectHeight(rect));
  UpdateColumns();
  UpdateHeader();
  UpdateSelection();
}

void TvgCustomGrid::HScrollChange() {
  TvgScrollBox::HScrollChange();
  UpdateSelection();
  UpdateHeader();
}

void TvgCustomGrid::VScrollChange() {
  TvgScrollBox::VScrollChange();
  UpdateColumns();
  UpdateSelection();
}

// --- Header ------------------------------------------------------------------------------------

// One item per column, made as needed; items of columns that went are hidden.
void TvgCustomGrid::UpdateHeader() {
  if (!header_) return;
  header_->SetOffset(-GetHScrollOffset());
  const int count = ColumnCount();
  while (header_->ItemCount() < count) {
    auto* item = new TvgHeaderItem(nullptr);
    item->SetLocked(true);
    item->SetStored(false);
    header_->AddObject(item);
  }
  for (int i = 0, n = header_->ItemCount(); i < n; ++i) {
    TvgHeaderItem* item = header_->Items(i);
    TvgColumn* column = Columns(i);
    item->SetVisible(column != nullptr);
    if (!column) continue;
    item->SetText(column->Header());
    item->SetWidth(column->Width());
  }
  header_->Realign();
}

void TvgCustomGrid::ResizeItem(TvgHeaderItem* item, float& newSize) {
  newSize = std::max(newSize, 10.0f);
  if (TvgColumn* column = header_ ? Columns(header_->IndexOfItem(item)) : nullptr) column->SetWidth(newSize);
}

// The selected column stays selected wherever the moves take it.
void TvgCustomGrid::MoveColumn(int oldIndex, int newIndex) {
  TvgColumn* moved = Columns(oldIndex);
  TvgColumn* target = Columns(newIndex);
  if (!moved || !target) return;
  TvgColumn* selected = Columns(columnIndex_);
  moved->SetIndex(target->Index());
  if (selected) columnIndex_ = IndexOfColumn(selected);
  Realign();
}

// --- Style and painting ------------------------------------------------------------------------

void TvgCustomGrid::ApplyStyle() {
  TvgScrollBox::ApplyStyle();
  if (TvgVisualObject* viewport = Viewport()) {
    viewport->OnBeforePaint = [this](TObject*, TvgCanvas* canvas, const TvgRect&) { PaintAlternatingRows(*canvas); };
    viewport->OnPaint = [this](TObject*, TvgCanvas* canvas, const TvgRect& rect) { PaintLines(*canvas, rect); };
  }
  header_ = dynamic_cast<TvgHeader*>(FindResource("header"));
  if (header_) {
    header_->OnResizeItem = [this](TObject* item, float& size) { ResizeItem(dynamic_cast<TvgHeaderItem*>(item), size); };
    header_->OnRealignItem = [this](TObject*, int32_t oldIndex, int32_t newIndex) { MoveColumn(oldIndex, newIndex); };
    header_->SetVisible(showHeader_);
  }
  for (auto [name, part] : {std::pair{"selection", &selection_}, std::pair{"focus", &focus_}}) {
    TvgObject* found = FindResource(name);
    *part = found ? found->Visual() : nullptr;
    if (*part) (*part)->SetVisible(false);
  }
  for (auto [name, brush] : {std::pair{"AlternatingRowBackground", alternatingBrush_.get()},
                             std::pair{"LineFill", lineBrush_.get()}})
    if (auto* object = dynamic_cast<TvgBrushObject*>(FindResource(name))) brush->Assign(object->Brush());
  UpdateColumns();
  UpdateHeader();
  UpdateSelection();
}

// The selection clones and header items live in the style's tree and go with it.
void TvgCustomGrid::FreeStyle() {
  selections_.clear();
  header_ = nullptr;
  selection_ = focus_ = nullptr;
  TvgScrollBox::FreeStyle();
}

void TvgCustomGrid::PaintAlternatingRows(TvgCanvas& canvas) {
  if (!alternatingRowBackground_ || !Viewport()) return;
  const TvgPoint origin = ContentOriginIn(*Viewport());
  const int32_t top = GetTopRow();
  canvas.Fill()->Assign(alternatingBrush_.get());
  for (int32_t row = top, end = top + BoundRows(); row < end && row < rowCount_; ++row) {
    if (row % 2 == 0) continue;
    const float y = origin.Y + float(row) * rowHeight_;
    canvas.FillRect({origin.X, y, origin.X + Content()->Width(), y + rowHeight_}, 0, 0, TvgCorners{},
                    GetAbsoluteOpacity(), vgCornerRound);
  }
}

void TvgCustomGrid::PaintLines(TvgCanvas& canvas, const TvgRect& rect) {
  if ((!showHorzLines_ && !showVertLines_) || !Viewport()) return;
  const TvgPoint origin = ContentOriginIn(*Viewport());
  const int32_t top = GetTopRow();
  const int32_t rows = BoundRows();
  const float firstY = origin.Y + float(top) * rowHeight_;
  const float opacity = GetAbsoluteOpacity();
  const int state = canvas.SaveState();
  canvas.IntersectClipRect(rect);
  canvas.Stroke()->Assign(lineBrush_.get());
  canvas.StrokeThickness = 1;
  if (showHorzLines_)
    for (int32_t k = 0; k <= rows; ++k) {
      const float y = firstY + float(k) * rowHeight_ - 0.5f;
      canvas.DrawLine({origin.X, y}, {origin.X + Content()->Width(), y}, opacity);
    }
  if (showVertLines_)
    for (int i = 0, n = ColumnCount(); i < n; ++i) {
      TvgColumn* column = Columns(i);
      const float x = origin.X + column->Position()->X() + column->Width() + 0.5f;
      canvas.DrawLine({x, firstY}, {x, firstY + float(rows) * rowHeight_}, opacity);
    }
  if (state >= 0) canvas.RestoreState(state);
}

// --- Input -------------------------------------------------------------------------------------

void TvgCustomGrid::SelectAt(float x, float y) {
  SetSelected(RowByPoint(x, y));
  if (TvgColumn* column = ColumnByPoint(x, y)) SetColumnIndex(IndexOfColumn(column));
}

void TvgCustomGrid::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgScrollBox::MouseDown(button, shift, x, y);
  if (button == mbLeft) SelectAt(x, y);
}

void TvgCustomGrid::MouseMove(TShiftState shift, float x, float y, float dx, float dy) {
  TvgScrollBox::MouseMove(shift, x, y, dx, dy);
  if (shift.Contains(ssLeft)) SelectAt(x, y);
}

// Typing a printable character edits the selected cell: the cell takes the focus and the
// character. Control characters (Enter, Escape, Backspace) do not start an edit, so the
// character of the Enter that ended one does not open it again.
void TvgCustomGrid::TypeIntoSelectedCell(wchar_t& keyChar, TShiftState shift) {
  TvgColumn* column = Columns(columnIndex_);
  if (keyChar < 32 || readOnly_ || !column || column->ReadOnly()) return;
  TvgControl* cell = SelectedCellInView();
  if (!cell) return;
  cell->SetFocus();
  if (!cell->IsFocused()) return;
  uint16_t noKey = 0;
  cell->KeyDown(noKey, keyChar, shift);
  keyChar = 0;
}

bool TvgCustomGrid::MoveByKey(uint16_t key, TShiftState shift) {
  const bool ctrl = shift.Contains(ssCtrl);
  switch (key) {
    case VK_PRIOR:
      if (selected_ >= 1) SetSelected(selected_ - BoundRows());
      return true;
    case VK_NEXT:
      if (selected_ < rowCount_ - 1) SetSelected(selected_ + BoundRows());
      return true;
    case VK_END:
      if (ctrl) SetSelected(rowCount_ - 1);
      else SetColumnIndex(ColumnCount() - 1);
      return true;
    case VK_HOME:
      if (ctrl) SetSelected(0);
      else SetColumnIndex(0);
      return true;
    case VK_LEFT:
      if (columnIndex_ > 0) SetColumnIndex(columnIndex_ - 1);
      return true;
    case VK_RIGHT:
      if (columnIndex_ < ColumnCount() - 1) SetColumnIndex(columnIndex_ + 1);
      return true;
    case VK_UP:
      if (selected_ > 0) SetSelected(selected_ - 1);
      return true;
    case VK_DOWN:
      if (selected_ < rowCount_ - 1) SetSelected(selected_ + 1);
      return true;
    case VK_F2:
      if (TvgControl* cell = SelectedCellInView()) cell->SetFocus();
      return true;
  }
  return false;
}

void TvgCustomGrid::KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) {
  TvgScrollBox::KeyDown(key, keyChar, shift);
  if (rowCount_ < 1) return;
  if (keyChar != 0) TypeIntoSelectedCell(keyChar, shift);
  if (key != 0 && MoveByKey(key, shift)) key = 0;
}

// --- String grid -------------------------------------------------------------------------------

TvgStringGrid::TvgStringGrid(TComponent* owner) : TvgCustomGrid(owner) { SetResource("gridstyle"); }

std::string TvgStringGrid::GetItemClasses() { return "TvgStringColumn"; }

std::vector<std::wstring>* TvgStringGrid::StringsOf(int32_t col) {
  auto* column = dynamic_cast<TvgStringColumn*>(Columns(col));
  if (!column) return nullptr;
  std::vector<std::wstring>& strings = column->Strings();
  if (int32_t(strings.size()) != RowCount()) strings.resize(size_t(RowCount()));
  return &strings;
}

void TvgStringGrid::GetValue(int32_t col, int32_t row, Variant& value) {
  value = Variant();
  std::vector<std::wstring>* strings = StringsOf(col);
  if (strings && row >= 0 && row < int32_t(strings->size())) value = Variant((*strings)[size_t(row)]);
}

void TvgStringGrid::SetValue(int32_t col, int32_t row, const Variant& value) {
  std::vector<std::wstring>* strings = StringsOf(col);
  if (strings && row >= 0 && row < int32_t(strings->size())) (*strings)[size_t(row)] = value.ToWideString();
}
