#pragma once
// TvgCustomTextBox: the single-line text editor. It keeps the text, a caret, a selection whose
// anchor stays where it began, horizontal scrolling by the first visible character, a password
// mask, a character filter, a length limit, the clipboard commands and a context menu, and
// paints its text itself into the style's "content" part.
//
// The selection is SelEnd (the end that moves with the caret) and SelDelta (the signed length
// from SelEnd to the anchor). Positions count the characters before them; FirstVisibleChar is
// 1-based.
#include <memory>
#include <string>

#include "engine/paint/Canvas.h"
#include "engine/scene/Ime.h"
#include "engine/tree/Control.h"

class TvgBrush;
class TvgContent;
class TvgCustomButton;
class TvgFont;
class TPopupMenu;

class TvgCustomTextBox : public TvgControl, public IvgImeTarget {
  CL_CLASS(TvgCustomTextBox, TvgControl)
public:
  explicit TvgCustomTextBox(TComponent* owner);
  ~TvgCustomTextBox() override;

  const std::wstring& Text() const { return text_; }
  virtual void SetText(const std::wstring& text);
  TvgFont* Font() const { return font_.get(); }
  void SetFont(TvgFont* font);
  TvgBrush* TextBrush() const { return textBrush_.get(); }
  TvgBrush* SelectionBrush() const { return selectionBrush_.get(); }
  TvgTextAlign TextAlign() const { return textAlign_; }
  void SetTextAlign(TvgTextAlign align);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  bool Password() const { return password_; }
  void SetPassword(bool password);
  int32_t MaxLength() const { return maxLength_; }
  void SetMaxLength(int32_t maxLength) { maxLength_ = maxLength; }
  // When not empty, only these characters can be typed or pasted.
  const std::wstring& FilterChar() const { return filterChar_; }
  void SetFilterChar(const std::wstring& filter) { filterChar_ = filter; }
  // The "ShowCaret" property: whether the focused box shows its caret.
  bool ShowsCaret() const { return showsCaret_; }
  void SetShowsCaret(bool shows) { showsCaret_ = shows; }
  bool Modified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }
  // The key code and the character of the most recent key press.
  uint16_t LastKey() const { return lastKey_; }
  wchar_t LastChar() const { return lastChar_; }
  TPopupMenu* TextMenu() const { return menu_.get(); }

  int32_t CaretPosition() const { return caretPosition_; }
  void SetCaretPosition(int32_t position);
  int32_t SelStart() const;
  void SetSelStart(int32_t start);
  int32_t SelLength() const { return selDelta_ < 0 ? -selDelta_ : selDelta_; }
  void SetSelLength(int32_t length);
  int32_t FirstVisibleChar() const { return firstVisibleChar_; }
  std::wstring GetSelText() const;

  // Geometry, in box coordinates, measured in the content rect.
  TvgRect GetContentRect();
  float GetPasswordCharWidth() const;
  float GetTextWidth(const std::wstring& text);
  float GetCharX(int32_t index);
  int32_t GetCharAtX(float x);
  TvgRect GetSelRect();

  // Editing commands; each but the copy and the selection is refused by ReadOnly, and copying
  // and cutting by Password (the clear text never leaves the box).
  void InsertText(const std::wstring& text);
  void DeleteSelection();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void SelectAll();
  // Enables the context menu's items for the present selection, clipboard and mode.
  void UpdatePopupMenu();

  // Updates bound controls and fires OnChange, when the text was modified.
  virtual void Change();
  virtual void FontChanged();

  TNotifyEvent OnChange, OnChangeTracking, OnTyping;

  Variant GetData() override { return Variant(text_); }
  // Null empties the text; a packed method becomes OnChange; anything else shows as text.
  void SetData(const Variant& value) override;
  void ApplyStyle() override;
  void FreeStyle() override;
  void DblClick() override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseMove(TShiftState shift, float x, float y, float dx, float dy) override;
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y) override;
  void KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) override;
  void ContextMenu(const TvgPoint& screenPoint) override;
  void EnterFocus() override;
  void KillFocus() override;

  TvgFont* ImeFont() override { return font_.get(); }
  TvgPoint ImeCaretOffset() override;

protected:
  // Stores the text without OnChangeTracking (the value boxes rewrite their own text).
  void StoreText(const std::wstring& text);
  // Moves the caret and drags the selection's moving end with it, the anchor staying.
  void ExtendSelection(int32_t from, int32_t to);

private:
  void BuildMenu();
  void PaintContent(TvgCanvas& canvas, const TvgRect& rect);
  void UpdateFirstVisibleChar();
  void PlaceCaret();
  // The typed or pasted characters that the box accepts: printable and through the filter.
  std::wstring Accepted(const std::wstring& text) const;
  bool Accepts(wchar_t character) const;
  void SelectWordAt(int32_t position);
  // The width of the characters from FirstVisibleChar up to position.
  float VisibleWidthTo(int32_t position);
  float AlignmentShift();

  std::wstring text_;
  std::unique_ptr<TvgBrush> textBrush_;
  std::unique_ptr<TvgFont> font_;
  TvgTextAlign textAlign_ = vgTextAlignNear;
  bool readOnly_ = false;
  int32_t selEnd_ = 0;
  int32_t selDelta_ = 0;
  int32_t caretPosition_ = 0;
  int32_t maxLength_ = 0;
  int32_t firstVisibleChar_ = 1;
  bool selecting_ = false;
  bool password_ = false;
  std::unique_ptr<TPopupMenu> menu_;
  std::unique_ptr<TvgBrush> selectionBrush_;
  bool modified_ = false;
  std::wstring filterChar_;
  bool showsCaret_ = true;
  uint16_t lastKey_ = 0;
  wchar_t lastChar_ = 0;
  TvgContent* content_ = nullptr;
};

class TvgTextBox : public TvgCustomTextBox {
  CL_CLASS(TvgTextBox, TvgCustomTextBox)
public:
  using TvgCustomTextBox::TvgCustomTextBox;
};

// The variants below differ from TvgTextBox only by the style their class name finds.
class TvgRoundTextBox : public TvgTextBox {
  CL_CLASS(TvgRoundTextBox, TvgTextBox)
public:
  using TvgTextBox::TvgTextBox;
};

class TvgHudTextBox : public TvgTextBox {
  CL_CLASS(TvgHudTextBox, TvgTextBox)
public:
  using TvgTextBox::TvgTextBox;
};

class TvgHudRoundTextBox : public TvgTextBox {
  CL_CLASS(TvgHudRoundTextBox, TvgTextBox)
public:
  using TvgTextBox::TvgTextBox;
};

// A text box whose style's "clearbutton" empties it.
class TvgTextBoxClearBtn : public TvgCustomTextBox {
  CL_CLASS(TvgTextBoxClearBtn, TvgCustomTextBox)
public:
  using TvgCustomTextBox::TvgCustomTextBox;
  void ApplyStyle() override;
  void FreeStyle() override;

private:
  TvgCustomButton* clearButton_ = nullptr;
};
