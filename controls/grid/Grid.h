#pragma once
// TvgCustomGrid: a virtual data grid. Its scrolling content holds columns side by side; the grid
// keeps no data itself but asks GetValue for every cell it shows and hands edits to SetValue.
// The selected row (Selected) and column (ColumnIndex) are drawn by clones of the style's
// "selection" and "focus" parts; the style's "header" titles the columns and lets the user
// resize and reorder them. TvgGrid asks its OnGetValue and OnSetValue events; TvgStringGrid keeps
// a wide string per row in each of its TvgStringColumns.
#include <memory>
#include <vector>

#include "engine/layouts/ScrollBox.h"

class TvgBrush;
class TvgColumn;
class TvgHeader;
class TvgHeaderItem;

using TOnGetValue = TEvent<TObject*, int32_t, int32_t, Variant&>;
using TOnSetValue = TEvent<TObject*, int32_t, int32_t, const Variant&>;
using TOnEdititingDone = TEvent<TObject*, int32_t, int32_t>;

class TvgCustomGrid : public TvgScrollBox {
  CL_CLASS(TvgCustomGrid, TvgScrollBox)
public:
  explicit TvgCustomGrid(TComponent* owner);
  ~TvgCustomGrid() override;

  int32_t RowCount() const { return rowCount_; }
  // When the selected row is past the new count, the last row is selected.
  void SetRowCount(int32_t count);
  float RowHeight() const { return rowHeight_; }
  void SetRowHeight(float height);  // never below 5
  int32_t Selected() const { return selected_; }
  int32_t ColumnIndex() const { return columnIndex_; }
  void SetColumnIndex(int32_t index);
  bool AlternatingRowBackground() const { return alternatingRowBackground_; }
  void SetAlternatingRowBackground(bool value);
  bool ShowHorzLines() const { return showHorzLines_; }
  void SetShowHorzLines(bool value);
  bool ShowVertLines() const { return showVertLines_; }
  void SetShowVertLines(bool value);
  bool ShowHeader() const { return showHeader_; }
  void SetShowHeader(bool value);
  bool ShowSelectedCell() const { return showSelectedCell_; }
  void SetShowSelectedCell(bool value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  TvgBrush* AlternatingRowBrush() const { return alternatingBrush_.get(); }
  TvgBrush* LineBrush() const { return lineBrush_.get(); }
  // The style's parts, nullptr without them.
  TvgHeader* Header() const { return header_; }
  TvgVisualObject* FocusPart() const { return focus_; }
  const std::vector<TvgVisualObject*>& SelectionClones() const { return selections_; }

  int ColumnCount() const;
  TvgColumn* Columns(int index) const;  // nullptr out of range
  int IndexOfColumn(const TvgColumn* column) const;  // -1 when it is none of the grid's
  // The first whole row in view, and how many rows a column binds cells for.
  int32_t TopRow() { return GetTopRow(); }
  int32_t VisibleRows();
  int32_t BoundRows();
  // In the grid's coordinates; -1 / nullptr where there is no row or column.
  int32_t RowByPoint(float x, float y);
  TvgColumn* ColumnByPoint(float x, float y);
  void UpdateSelection();
  void UpdateHeader();

  TOnGetValue OnGetValue;
  TOnSetValue OnSetValue;
  TOnEdititingDone OnEdititingDone;

  std::string GetItemClasses() override;
  void AddObject(TvgObject* object) override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseMove(TShiftState shift, float x, float y, float dx, float dy) override;
  void KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) override;
  void ApplyStyle() override;
  void FreeStyle() override;
  void HScrollChange() override;
  void VScrollChange() override;
  void GetContentBounds(TvgRect& rect) override;
  void ContentBeforeRemoveObject(TvgObject* object) override;
  void ContentRemoveObject(TvgObject* object) override;

  virtual void UpdateColumns();
  virtual void FocusGrid();
  virtual int32_t GetTopRow();
  virtual void GetValue(int32_t col, int32_t row, Variant& value);
  virtual void SetValue(int32_t col, int32_t row, const Variant& value);
  virtual void SetSelected(int32_t row);
  virtual bool CanEditAcceptKey(wchar_t key);
  virtual bool CanEditModify();

private:
  bool IsOwnItem(TvgObject* object) const;
  void SelectAt(float x, float y);
  bool MoveByKey(uint16_t key, TShiftState shift);
  void TypeIntoSelectedCell(wchar_t& keyChar, TShiftState shift);
  TvgControl* SelectedCell() const;
  TvgControl* SelectedCellInView();
  void ScrollRowIntoView(int32_t row);
  void ScrollColumnIntoView(const TvgColumn& column);
  void SetScrollValue(TvgControl* bar, float value);
  TvgPoint ContentOriginIn(TvgVisualObject& object);
  void PlaceSelection(const TvgRect& rowRect);
  void PaintAlternatingRows(TvgCanvas& canvas);
  void PaintLines(TvgCanvas& canvas, const TvgRect& rect);
  void ResizeItem(TvgHeaderItem* item, float& newSize);
  void MoveColumn(int oldIndex, int newIndex);

  int32_t rowCount_ = 100;
  float rowHeight_ = 21;
  int32_t selected_ = 0;
  int32_t columnIndex_ = 0;
  bool alternatingRowBackground_ = false;
  bool showHorzLines_ = true;
  bool showVertLines_ = true;
  bool showHeader_ = true;
  bool showSelectedCell_ = true;
  bool readOnly_ = false;
  std::unique_ptr<TvgBrush> alternatingBrush_;
  std::unique_ptr<TvgBrush> lineBrush_;
  TvgHeader* header_ = nullptr;
  TvgVisualObject* selection_ = nullptr;
  TvgVisualObject* focus_ = nullptr;
  std::vector<TvgVisualObject*> selections_;  // children of the style's tree
  int removedColumn_ = -1;  // the index of the column leaving the content
};

class TvgGrid : public TvgCustomGrid {
  CL_CLASS(TvgGrid, TvgCustomGrid)
public:
  using TvgCustomGrid::TvgCustomGrid;
};

class TvgStringGrid : public TvgCustomGrid {
  CL_CLASS(TvgStringGrid, TvgCustomGrid)
public:
  explicit TvgStringGrid(TComponent* owner);

  std::string GetItemClasses() override;
  // The string of a string column's row; other columns and rows outside RowCount are empty.
  void GetValue(int32_t col, int32_t row, Variant& value) override;
  void SetValue(int32_t col, int32_t row, const Variant& value) override;

private:
  std::vector<std::wstring>* StringsOf(int32_t col);
};
