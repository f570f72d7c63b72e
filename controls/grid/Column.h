#pragma once
// Grid columns. A column is a strip of the grid's scrolling content that keeps a pool of cell
// controls, one per row in view plus two, and binds them to the rows in view: each cell's tag
// text is the point text of (column index, row), and its data comes from the grid's GetValue.
// A cell takes the focus only in the selected row and column; what the user edits in a text or
// check cell is written back through the grid's SetValue.
#include <memory>
#include <string>
#include <vector>

#include "controls/boxes/CheckBox.h"
#include "controls/boxes/PopupBox.h"
#include "controls/panels/ImageControl.h"
#include "controls/textboxes/TextBox.h"
#include "controls/tracks/ProgressBar.h"

class TvgCustomGrid;
class TvgWideStringList;
class TvgWideStrings;

// The cell controls; their class names select their styles.
class TvgTextCell : public TvgTextBox {
  CL_CLASS(TvgTextCell, TvgTextBox)
public:
  using TvgTextBox::TvgTextBox;
};

class TvgCheckCell : public TvgCheckBox {
  CL_CLASS(TvgCheckCell, TvgCheckBox)
public:
  using TvgCheckBox::TvgCheckBox;
};

class TvgProgressCell : public TvgProgressBar {
  CL_CLASS(TvgProgressCell, TvgProgressBar)
public:
  using TvgProgressBar::TvgProgressBar;
};

class TvgPopupCell : public TvgPopupBox {
  CL_CLASS(TvgPopupCell, TvgPopupBox)
public:
  using TvgPopupBox::TvgPopupBox;
};

class TvgImageCell : public TvgImageControl {
  CL_CLASS(TvgImageCell, TvgImageControl)
public:
  using TvgImageControl::TvgImageControl;
};

class TvgColumn : public TvgControl {
  CL_CLASS(TvgColumn, TvgControl)
public:
  explicit TvgColumn(TComponent* owner);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  const std::wstring& Header() const { return header_; }
  // Also titles the column's header item.
  void SetHeader(const std::wstring& header);

  // The nearest grid among the ancestors, nullptr outside one.
  TvgCustomGrid* Grid() const;
  // The shown cell bound to the row, nullptr when the row is not in view.
  TvgControl* CellByRow(int32_t row) const;
  const std::vector<TvgControl*>& Cells() const { return cells_; }
  // Only the cell of the selected row, in the selected column, takes the focus and the pointer.
  void UpdateFocusability();

  // Binds the pool of cells to the rows in view.
  virtual void UpdateColumn();
  virtual TvgControl* CreateCellControl();

protected:
  // What a text or check cell calls when the user changed it.
  void CellChanged(TvgControl* cell);

private:
  void AddCell();
  void InstallCellHandlers(TvgControl* cell);
  void CellEntered(TvgControl* cell);
  void CellKeyDown(TvgControl* cell, uint16_t& key, wchar_t& keyChar, TShiftState shift);
  int32_t TopRow() const;

  std::vector<TvgControl*> cells_;  // children of the column
  bool updating_ = false;
  bool readOnly_ = false;
  std::wstring header_;
  Variant savedData_;
  bool cancelling_ = false;
};

class TvgCheckColumn : public TvgColumn {
  CL_CLASS(TvgCheckColumn, TvgColumn)
public:
  using TvgColumn::TvgColumn;
  TvgControl* CreateCellControl() override;
};

class TvgProgressColumn : public TvgColumn {
  CL_CLASS(TvgProgressColumn, TvgColumn)
public:
  using TvgColumn::TvgColumn;
  // Made cells follow.
  float Min() const { return min_; }
  void SetMin(float min);
  float Max() const { return max_; }
  void SetMax(float max);
  TvgControl* CreateCellControl() override;

private:
  void SetUpCell(TvgProgressCell& cell) const;

  float min_ = 0;
  float max_ = 100;
};

class TvgPopupColumn : public TvgColumn {
  CL_CLASS(TvgPopupColumn, TvgColumn)
public:
  explicit TvgPopupColumn(TComponent* owner);
  ~TvgPopupColumn() override;
  // Made cells follow changes of the list.
  TvgWideStringList* Items() const { return items_.get(); }
  void SetItems(TvgWideStrings* items);  // copies the list
  TvgControl* CreateCellControl() override;

private:
  std::unique_ptr<TvgWideStringList> items_;
};

class TvgImageColumn : public TvgColumn {
  CL_CLASS(TvgImageColumn, TvgColumn)
public:
  using TvgColumn::TvgColumn;
  TvgControl* CreateCellControl() override;
};

// The column of a string grid: it keeps one wide string per row.
class TvgStringColumn : public TvgColumn {
  CL_CLASS(TvgStringColumn, TvgColumn)
public:
  using TvgColumn::TvgColumn;
  std::vector<std::wstring>& Strings() { return strings_; }
  void UpdateColumn() override;

private:
  std::vector<std::wstring> strings_;
};
