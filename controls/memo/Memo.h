#pragma once
// TvgMemo: the multi-line text editor. One wide text with line breaks (CR LF, or a lone CR or
// LF) shown as display lines (its source lines, further broken between words with WordWrap),
// a caret addressed by (line, column), a selection, scrolling to the caret, a length limit, case
// conversion, clipboard commands, an undo stack and a context menu. Lines is a string-list view
// of the same text.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "classlib/core/Component.h"
#include "controls/memo/EdtActionStack.h"
#include "controls/memo/MemoLines.h"
#include "engine/layouts/ScrollBox.h"
#include "engine/paint/Canvas.h"

class TPopupMenu;
class TvgBrush;
class TvgFont;

CL_ENUM(TEditCharCase, vgecNormal, vgecUpperCase, vgecLowerCase)

// A place in the text: the display line and the characters of that line before it.
struct TvgTextPos {
  int32_t Line = 0;
  int32_t Col = 0;
  bool operator==(const TvgTextPos&) const = default;
};

// The selected part of one display line.
struct TSelArea {
  float Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// Options of the insert and delete primitives.
constexpr int kMemoSelect = 1;            // select what was inserted / collapse the selection at the deletion
constexpr int kMemoRecordDeletion = 2;    // push the removed text for undo
constexpr int kMemoRecordInsertion = 4;   // push the inserted range for undo
constexpr int kMemoChain = 8;             // the insertion's undo also undoes the record beneath
// Undo puts back exactly what was there: no MaxLength cut, no widening over a CR LF pair.
constexpr int kMemoRestore = 16;

using TLinesBegs = std::vector<int32_t>;

class TvgMemo : public TvgScrollBox {
  CL_CLASS(TvgMemo, TvgScrollBox)
public:
  explicit TvgMemo(TComponent* owner);
  ~TvgMemo() override;

  const std::wstring& Text() const { return text_; }
  // Text set from outside starts a new history: the undo records would point into the old text.
  virtual void SetText(const std::wstring& value);
  TvgMemoLines* Lines() const { return lines_.get(); }
  void SetLines(TvgWideStrings* lines);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  TvgFont* Font() const { return font_.get(); }
  void SetFont(TvgFont* font);
  TvgTextAlign TextAlign() const { return textAlign_; }
  void SetTextAlign(TvgTextAlign value) { textAlign_ = value; }
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase value) { charCase_ = value; }
  int32_t MaxLength() const { return maxLength_; }
  void SetMaxLength(int32_t value) { maxLength_ = value; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);
  bool Modified() const { return modified_; }
  void SetModified(bool value) { modified_ = value; }
  TvgBrush* TextBrush() const { return textBrush_.get(); }
  TvgBrush* SelectionBrush() const { return selectionBrush_.get(); }
  TPopupMenu* EditMenu() const { return menu_.get(); }
  TEdtActionStack& UndoStack() { return undo_; }
  const TLinesBegs& LineStarts() const { return lineStarts_; }
  int32_t WidestLine() const { return widestLine_; }
  bool LinesUpdating() const { return linesUpdating_; }
  void SetLinesUpdating(bool value);

  TvgTextPos CaretPos() const { return caretPos_; }
  void SetCaretPos(const TvgTextPos& pos);
  bool SelActive() const { return selActive_; }
  TvgTextPos SelStartPos() const { return selStartPos_; }
  TvgTextPos SelEndPos() const { return selEndPos_; }
  void SetSelection(const TvgTextPos& anchor, const TvgTextPos& end);
  int32_t SelStart() const;  // linear, the ordered start
  int32_t SelLength() const;
  std::wstring SelText() const;

  int LineCount() const { return int(lineStarts_.size()); }
  std::wstring LineText(int line) const;  // without its break
  float GetLineHeight() const;
  float GetVisibleLineCount();
  float GetTextWidth(const std::wstring& text);
  TvgPoint GetPositionPoint(const TvgTextPos& pos);
  TvgTextPos PointToTextPos(const TvgPoint& point);
  int32_t TextPosToLinear(const TvgTextPos& pos) const;
  TvgTextPos LinearToTextPos(int32_t linear) const;
  TvgTextPos MovePosition(const TvgTextPos& from, int32_t count) const;

  void InsertAt(const TvgTextPos& pos, const std::wstring& text, int options);
  void DeleteAt(const TvgTextPos& pos, int32_t count, int options);

  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void DeleteSelection();
  void SelectAll();
  void Undo();

  virtual void GetSelectionAreas(std::vector<TSelArea>& areas);
  virtual void UpdateCanvasFont(TvgCanvas* canvas);
  virtual void UpdatePopupMenu();
  virtual void Change();
  virtual bool ValidateText(const std::wstring&) { return true; }

  Variant GetData() override { return Variant(text_); }
  void SetData(const Variant& value) override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseMove(TShiftState shift, float x, float y, float dx, float dy) override;
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseWheel(TShiftState shift, int wheelDelta, bool& handled) override;
  void KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) override;
  void ContextMenu(const TvgPoint& screenPoint) override;
  void EnterFocus() override;
  void KillFocus() override;
  void ApplyStyle() override;
  void FreeStyle() override;
  void GetContentBounds(TvgRect& rect) override;
  void Loaded() override;

  TNotifyEvent OnChange, OnChangeTracking;

private:
  void StoreText(std::wstring value);
  void SplitLines();
  void UpdateLinesAfterEdit(int32_t at, int32_t removed, int32_t inserted);
  void SplitSourceLines(int32_t from, int32_t to, TLinesBegs& starts, std::vector<float>& widths);
  void BreakLine(int32_t start, const std::wstring& line, TLinesBegs& starts, std::vector<float>& widths);
  void FindWidestLine();
  void Relayout();
  void ReSplitKeepingPositions();
  void UpdateCaret(bool scroll);
  void ScrollToCaret();
  void ReplaceSelection(int& insertOptions);
  void TypeText(const std::wstring& text);
  void MoveCaretByKey(uint16_t key, TShiftState shift);
  TvgTextPos LineMove(int lines);
  TvgTextPos WordStep(bool right) const;
  float AlignOffset(float lineWidth);
  TvgRect ContentRect();
  void PaintContent(TvgCanvas* canvas);
  void BuildMenu();
  void ClampPositions();

  std::wstring text_;
  std::unique_ptr<TvgBrush> textBrush_, selectionBrush_;
  std::unique_ptr<TvgFont> font_;
  std::unique_ptr<TvgMemoLines> lines_;
  std::unique_ptr<TPopupMenu> menu_;
  TEdtActionStack undo_{this};
  TvgTextAlign textAlign_ = vgTextAlignNear;
  TEditCharCase charCase_ = vgecNormal;
  int32_t maxLength_ = 0;
  bool readOnly_ = false, autoSelect_ = true, hideSelection_ = true, modified_ = false;
  bool wordWrap_ = false;
  bool splitOnSetText_ = true;
  bool selecting_ = false;
  bool linesUpdating_ = false;
  TvgPoint lastMousePoint_;
  TvgTextPos caretPos_, selStartPos_, selEndPos_;
  bool selActive_ = false;
  int32_t firstVisibleChar_ = 1;
  TLinesBegs lineStarts_;
  std::vector<float> lineWidths_;  // a source line's width at its first display line, else 0
  int32_t widestLine_ = 0;
  float splitWidth_ = -1;  // the viewport width the wrapped lines were split for
  TvgVisualObject* contentPart_ = nullptr;
};

// The memo of the HUD look ("hudmemostyle").
class TvgHudMemo : public TvgMemo {
  CL_CLASS(TvgHudMemo, TvgMemo)
public:
  using TvgMemo::TvgMemo;
};
