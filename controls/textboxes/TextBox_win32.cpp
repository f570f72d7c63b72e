#include "controls/textboxes/TextBox.h"

#include <algorithm>

#include "classlib/desktop/Clipboard.h"
#include "classlib/desktop/Control.h"
#include "classlib/desktop/Cursors.h"
#include "classlib/desktop/Menus.h"
#include "controls/buttons/Button.h"
#include "controls/text/TextWords.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Font.h"
#include "engine/styles/ResourceObjects.h"
#include "engine/tree/Content.h"
#include "engine/tree/ObjectRegistry.h"

CL_PUBLISHED(TvgCustomTextBox) {
  using B = TvgCustomTextBox;
  published.Property("Cursor", &B::Cursor, &B::SetCursor).Default(crIBeam).Idents(CursorIdents());
  published.Property("CanFocused", &B::CanFocused, &B::SetCanFocused).Default(true);
  published.Property("DisableFocusEffect", &B::DisableFocusEffect, &B::SetDisableFocusEffect).Default(false);
  published.Property("BindingSource", &B::BindingSource, &B::SetBindingSource);
  published.Property("Font", &B::Font, &B::SetFont);
  published.Property("TextAlign", &B::TextAlign, &B::SetTextAlign).Default(vgTextAlignNear);
  published.Property("ReadOnly", &B::ReadOnly, &B::SetReadOnly).Default(false);
  published.Property("OnChange", &B::OnChange, &B::OnChange);
  published.Property("OnChangeTracking", &B::OnChangeTracking, &B::OnChangeTracking);
  published.Property("OnTyping", &B::OnTyping, &B::OnTyping);
}

CL_PUBLISHED(TvgTextBox) {
  published.Property("Password", &TvgTextBox::Password, &TvgTextBox::SetPassword).Default(false);
  published.Property("Text", &TvgTextBox::Text, &TvgTextBox::SetText);
}
CL_PUBLISHED(TvgRoundTextBox) {}
CL_PUBLISHED(TvgHudTextBox) {}
CL_PUBLISHED(TvgHudRoundTextBox) {}
CL_PUBLISHED(TvgTextBoxClearBtn) {
  published.Property("Password", &TvgTextBoxClearBtn::Password, &TvgTextBoxClearBtn::SetPassword).Default(false);
  published.Property("Text", &TvgTextBoxClearBtn::Text, &TvgTextBoxClearBtn::SetText);
}

namespace {

constexpr float kCaretHeightPerFontSize = 1.25f;
constexpr float kMeasureRight = 10000;

// Ctrl, Shift and Alt of a shift state, without the mouse buttons.
TShiftState Modifiers(TShiftState shift) { return shift & TShiftState{ssShift, ssAlt, ssCtrl}; }
bool CtrlOnly(TShiftState shift) { return Modifiers(shift) == TShiftState{ssCtrl}; }
bool ShiftOnly(TShiftState shift) { return Modifiers(shift) == TShiftState{ssShift}; }

int32_t Length(const std::wstring& text) { return int32_t(text.size()); }

}  // namespace

TvgCustomTextBox::TvgCustomTextBox(TComponent* owner)
    : TvgControl(owner),
      textBrush_(std::make_unique<TvgBrush>(vgBrushSolid, 0xFF000000)),
      font_(std::make_unique<TvgFont>()),
      menu_(std::make_unique<TPopupMenu>(nullptr)),
      selectionBrush_(std::make_unique<TvgBrush>(vgBrushSolid, 0x802A8ADF)) {
  font_->OnChanged = [this](TObject*) { FontChanged(); };
  SetCanFocused(true);
  SetCursor(crIBeam);
  SetAutoCapture(true);
  SetSizeDirect(100, 22);
  BuildMenu();
}

TvgCustomTextBox::~TvgCustomTextBox() { font_->OnChanged = nullptr; }

void TvgCustomTextBox::BuildMenu() {
  const std::pair<const char*, void (TvgCustomTextBox::*)()> items[] = {
      {"Cut", &TvgCustomTextBox::CutToClipboard},     {"Copy", &TvgCustomTextBox::CopyToClipboard},
      {"Paste", &TvgCustomTextBox::PasteFromClipboard}, {"Delete", &TvgCustomTextBox::DeleteSelection},
      {"Select All", &TvgCustomTextBox::SelectAll}};
  for (const auto& [caption, command] : items) {
    auto* item = new TMenuItem(menu_.get());
    item->SetCaption(caption);
    item->OnClick = [this, command = command](TObject*) { (this->*command)(); };
    menu_->Items()->Add(item);
  }
}

// --- Text and appearance -----------------------------------------------------------------------

void TvgCustomTextBox::StoreText(const std::wstring& text) {
  text_ = text;
  const int32_t length = Length(text_);
  // Both ends of the selection stay inside the new text.
  const int32_t anchor = std::clamp(selEnd_ + selDelta_, 0, length);
  selEnd_ = std::clamp(selEnd_, 0, length);
  selDelta_ = anchor - selEnd_;
  if (caretPosition_ > length) SetCaretPosition(length);
  if (firstVisibleChar_ > std::max(length, 1)) firstVisibleChar_ = std::max(length, 1);
  Repaint();
}

void TvgCustomTextBox::SetText(const std::wstring& text) {
  if (text == text_) return;
  StoreText(text);
  if (!Loading()) OnChangeTracking(this);
  modified_ = true;
}

void TvgCustomTextBox::SetFont(TvgFont* font) { font_->Assign(font); }

void TvgCustomTextBox::FontChanged() { Repaint(); }

void TvgCustomTextBox::SetTextAlign(TvgTextAlign align) {
  if (align == textAlign_) return;
  textAlign_ = align;
  Repaint();
}

void TvgCustomTextBox::SetPassword(bool password) {
  if (password == password_) return;
  password_ = password;
  Repaint();
}

void TvgCustomTextBox::Change() {
  if (!modified_) return;
  UpdateBinding();
  OnChange(this);
}

void TvgCustomTextBox::SetData(const Variant& value) {
  if (value.IsNull()) SetText(std::wstring());
  else if (vgVarIsMethod(value)) OnChange = TNotifyEvent::FromMethod(vgVariantToMethod(value));
  else SetText(value.ToWideString());
}

void TvgCustomTextBox::ApplyStyle() {
  TvgControl::ApplyStyle();
  content_ = dynamic_cast<TvgContent*>(FindResource("content"));
  if (content_) content_->OnPaint = [this](TObject*, TvgCanvas* canvas, const TvgRect& r) { PaintContent(*canvas, r); };
  if (auto* selection = dynamic_cast<TvgBrushObject*>(FindResource("selection")))
    selectionBrush_->Assign(selection->Brush());
  if (auto* foreground = dynamic_cast<TvgBrushObject*>(FindResource("foreground")))
    textBrush_->Assign(foreground->Brush());
}

void TvgCustomTextBox::FreeStyle() {
  if (content_) content_->OnPaint = nullptr;
  content_ = nullptr;
  TvgControl::FreeStyle();
}

// --- Geometry ----------------------------------------------------------------------------------

TvgRect TvgCustomTextBox::GetContentRect() {
  if (content_ && content_->Visual()) return content_->GetParentedRect();
  return GetLocalRect();
}

float TvgCustomTextBox::GetPasswordCharWidth() const { return font_->Size() / 2; }

float TvgCustomTextBox::GetTextWidth(const std::wstring& text) {
  if (password_) return Length(text) * GetPasswordCharWidth();
  TvgCanvas* canvas = GetCanvas();
  if (text.empty() || !canvas) return 0;
  canvas->Font()->Assign(font_.get());
  TvgRect r = GetContentRect();
  r.Right = kMeasureRight;
  canvas->MeasureText(r, r, text, false, vgTextAlignNear, vgTextAlignCenter);
  return r.Right - r.Left;
}

float TvgCustomTextBox::VisibleWidthTo(int32_t position) {
  const int32_t count = position - firstVisibleChar_ + 1;
  if (count <= 0) return 0;
  return GetTextWidth(text_.substr(size_t(firstVisibleChar_ - 1), size_t(count)));
}

// How far near-aligned text moves right for the alignment, when it is narrower than the content.
float TvgCustomTextBox::AlignmentShift() {
  const TvgRect content = GetContentRect();
  const float width = content.Right - content.Left;
  const float total = password_ ? Length(text_) * GetPasswordCharWidth()
                                : GetTextWidth(text_.empty() ? std::wstring(L"a") : text_);
  if (total >= width) return 0;
  if (textAlign_ == vgTextAlignCenter) return (width - total) / 2;
  if (textAlign_ == vgTextAlignFar) return width - total;
  return 0;
}

float TvgCustomTextBox::GetCharX(int32_t index) {
  const TvgRect content = GetContentRect();
  float x = content.Left;
  if (password_) {
    if (index > 0) x += GetPasswordCharWidth() * (std::min(index, Length(text_)) - firstVisibleChar_ + 1);
  } else if (index > 0) {
    x += VisibleWidthTo(index);
  }
  return x + AlignmentShift();
}

int32_t TvgCustomTextBox::GetCharAtX(float x) {
  int32_t result = firstVisibleChar_ - 1;
  if (text_.empty()) return result;
  x -= AlignmentShift() + GetContentRect().Left;
  const int32_t length = Length(text_);
  if (password_) {
    const float width = GetPasswordCharWidth();
    // A font of size 0 has no width to divide by: every point lies before the first dot.
    if (width <= 0) return std::clamp(result, 0, length);
    return std::clamp(result + int32_t(x / width), 0, length);
  }
  for (float before = VisibleWidthTo(result); before < x && result < length; before = VisibleWidthTo(result)) {
    const float after = VisibleWidthTo(result + 1);
    if (x > (before + after) / 2 && x <= after) return result + 1;
    if (x <= after) return result;
    ++result;
  }
  return result;
}

TvgRect TvgCustomTextBox::GetSelRect() {
  TvgRect r = GetContentRect();
  const int32_t start = SelStart();
  r.Left = GetCharX(start);
  r.Right = GetCharX(start + SelLength()) + 1;
  return r;
}

TvgPoint TvgCustomTextBox::ImeCaretOffset() { return {GetCharX(caretPosition_), GetContentRect().Top}; }

// --- Caret and selection -----------------------------------------------------------------------

int32_t TvgCustomTextBox::SelStart() const {
  if (selDelta_ > 0) return selEnd_;
  if (selDelta_ < 0) return selEnd_ + selDelta_;
  return caretPosition_;
}

void TvgCustomTextBox::SetSelLength(int32_t length) {
  if (length == selDelta_) return;
  selDelta_ = length;
  Repaint();
}

void TvgCustomTextBox::SetSelStart(int32_t start) {
  if (start == selEnd_) return;
  SetSelLength(0);
  selEnd_ = start;
  SetCaretPosition(start);
  Repaint();
}

void TvgCustomTextBox::SetCaretPosition(int32_t position) {
  caretPosition_ = std::clamp(position, 0, Length(text_));
  UpdateFirstVisibleChar();
  if (SelLength() == 0) selEnd_ = caretPosition_;
  Repaint();
  if (IsFocused() && showsCaret_) PlaceCaret();
}

void TvgCustomTextBox::PlaceCaret() {
  const TvgRect content = GetContentRect();
  const float height = font_->Size() * kCaretHeightPerFontSize;
  SetCaretSize({2, height});
  SetCaretPos({GetCharX(caretPosition_) - 1, (content.Top + content.Bottom - height) / 2});
  SetCaretColor(textBrush_->SolidColor());
}

void TvgCustomTextBox::ExtendSelection(int32_t from, int32_t to) {
  selEnd_ = to;
  selDelta_ += from - to;
  Repaint();
}

void TvgCustomTextBox::UpdateFirstVisibleChar() {
  const TvgRect content = GetContentRect();
  const float width = content.Right - content.Left;
  const int32_t length = Length(text_);
  if (firstVisibleChar_ >= caretPosition_ + 1) {
    firstVisibleChar_ = std::max(caretPosition_, 1);
  } else if (password_) {
    while (GetPasswordCharWidth() * (caretPosition_ - firstVisibleChar_ + 1) > width && firstVisibleChar_ < length)
      ++firstVisibleChar_;
  } else {
    // Big strides first, so that a long text scrolls to its end without measuring every character.
    while (VisibleWidthTo(caretPosition_) > width && firstVisibleChar_ < length) {
      int32_t step = 1;
      const int32_t first = firstVisibleChar_;
      for (int32_t stride : {500, 100, 50, 10}) {
        firstVisibleChar_ = first + stride;
        const bool stillWider = VisibleWidthTo(caretPosition_) > width;
        firstVisibleChar_ = first;
        if (stillWider) {
          step = stride;
          break;
        }
      }
      firstVisibleChar_ += step;
    }
  }
  Repaint();
}

std::wstring TvgCustomTextBox::GetSelText() const {
  return text_.substr(size_t(std::clamp(SelStart(), 0, Length(text_))), size_t(SelLength()));
}

void TvgCustomTextBox::SelectAll() {
  SetSelStart(0);
  SetSelLength(Length(text_));
  SetCaretPosition(Length(text_));
  Repaint();
}

void TvgCustomTextBox::SelectWordAt(int32_t position) {
  const int32_t start = vgWordStartAt(text_, position), end = vgWordEndAt(text_, position);
  selDelta_ = 0;
  SetCaretPosition(end);
  selDelta_ = start - end;
  Repaint();
}

// --- Editing -----------------------------------------------------------------------------------

bool TvgCustomTextBox::Accepts(wchar_t character) const {
  return character >= 32 && (filterChar_.empty() || filterChar_.find(character) != std::wstring::npos);
}

std::wstring TvgCustomTextBox::Accepted(const std::wstring& text) const {
  std::wstring accepted;
  for (wchar_t c : text)
    if (Accepts(c)) accepted += c;
  return accepted;
}

void TvgCustomTextBox::InsertText(const std::wstring& text) {
  if (readOnly_) return;
  const int32_t start = SelStart();
  std::wstring result = text_;
  result.erase(size_t(start), size_t(SelLength()));
  // The room left never counts below nothing, also when MaxLength was lowered under the text.
  const int32_t room = std::max(0, maxLength_ - Length(result));
  if (maxLength_ > 0 && Length(text) > room) {
    SetSelLength(0);
    return;
  }
  result.insert(size_t(start), text);
  SetText(result);
  SetSelLength(0);
  SetCaretPosition(start + Length(text));
}

void TvgCustomTextBox::DeleteSelection() {
  if (readOnly_) return;
  const int32_t start = SelStart();
  std::wstring result = text_;
  result.erase(size_t(start), size_t(SelLength()));
  SetSelLength(0);
  SetCaretPosition(start);
  SetText(result);
}

void TvgCustomTextBox::CopyToClipboard() {
  if (password_ || SelLength() == 0) return;
  Clipboard().SetAsText(GetSelText());
}

void TvgCustomTextBox::CutToClipboard() {
  if (password_ || readOnly_ || SelLength() == 0) return;
  CopyToClipboard();
  DeleteSelection();
}

void TvgCustomTextBox::PasteFromClipboard() {
  if (readOnly_) return;
  InsertText(Accepted(Clipboard().AsText()));
}

// --- Input -------------------------------------------------------------------------------------

void TvgCustomTextBox::KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) {
  TvgControl::KeyDown(key, keyChar, shift);
  const int32_t old = caretPosition_;
  lastChar_ = keyChar;
  lastKey_ = key;
  switch (key) {
    case VK_BACK:
    case VK_DELETE:
      if (readOnly_) break;
      if (SelLength() > 0) {
        if (ShiftOnly(shift)) CutToClipboard();
        else DeleteSelection();
      } else if (!text_.empty()) {
        std::wstring result = text_;
        if (key == VK_DELETE && caretPosition_ < Length(text_)) {
          result.erase(size_t(caretPosition_), 1);
        } else if (key == VK_BACK && caretPosition_ > 0) {
          result.erase(size_t(caretPosition_ - 1), 1);
          SetCaretPosition(caretPosition_ - 1);
        }
        SetText(result);
      }
      OnTyping(this);
      break;
    case VK_RETURN: Change(); break;
    case VK_END: SetCaretPosition(Length(text_)); break;
    case VK_HOME: SetCaretPosition(0); break;
    case VK_LEFT: SetCaretPosition(shift.Contains(ssCtrl) ? vgWordLeft(text_, caretPosition_) : caretPosition_ - 1); break;
    case VK_RIGHT: SetCaretPosition(shift.Contains(ssCtrl) ? vgWordRight(text_, caretPosition_) : caretPosition_ + 1); break;
    case VK_INSERT:
      if (CtrlOnly(shift)) {
        CopyToClipboard();
      } else if (ShiftOnly(shift)) {
        PasteFromClipboard();
        OnTyping(this);
      }
      break;
  }
  if (keyChar != 0 && !filterChar_.empty() && filterChar_.find(keyChar) == std::wstring::npos) keyChar = 0;
  if (keyChar != 0 && CtrlOnly(shift)) {
    switch (keyChar) {
      case L'A': case L'a': SelectAll(); keyChar = 0; break;
      case L'C': case L'c': CopyToClipboard(); keyChar = 0; break;
      case L'V': case L'v': PasteFromClipboard(); OnTyping(this); keyChar = 0; break;
      case L'X': case L'x': CutToClipboard(); keyChar = 0; break;
      case L'Z': case L'z': keyChar = 0; break;
    }
  }
  if (key == VK_END || key == VK_HOME || key == VK_LEFT || key == VK_RIGHT) {
    if (shift.Contains(ssShift)) ExtendSelection(old, caretPosition_);
    else SetSelLength(0);
    Repaint();
  }
  if (keyChar >= 32 && !readOnly_) {
    InsertText(std::wstring(1, keyChar));
    OnTyping(this);
  }
  UpdateEffects();
  SetCaretPosition(caretPosition_);
}

void TvgCustomTextBox::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  const bool hadFocus = IsFocused();
  TvgControl::MouseDown(button, shift, x, y);
  // The press that focuses the box keeps the whole text selected, so only a press that places
  // the caret starts a mouse selection.
  if (button != mbLeft || !hadFocus || shift.Contains(ssDouble)) return;
  selecting_ = true;
  SetCaretPosition(GetCharAtX(x));
  SetSelLength(0);
}

void TvgCustomTextBox::MouseMove(TShiftState shift, float x, float y, float dx, float dy) {
  TvgControl::MouseMove(shift, x, y, dx, dy);
  if (!selecting_) return;
  const int32_t old = caretPosition_;
  SetCaretPosition(GetCharAtX(x) + (x > GetContentRect().Right ? 1 : 0));
  ExtendSelection(old, caretPosition_);
}

void TvgCustomTextBox::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  TvgControl::MouseUp(button, shift, x, y);
  selecting_ = false;
}

// A double click selects the word under the pointer, as text fields do.
void TvgCustomTextBox::DblClick() {
  TvgControl::DblClick();
  SelectWordAt(caretPosition_);
}

void TvgCustomTextBox::ContextMenu(const TvgPoint& screenPoint) {
  TvgControl::ContextMenu(screenPoint);
  if (Designing() || PopupMenu()) return;
  UpdatePopupMenu();
  menu_->SetPopupComponent(this);
  menu_->Popup(int(Round(screenPoint.X)), int(Round(screenPoint.Y)));
}

void TvgCustomTextBox::UpdatePopupMenu() {
  const bool selection = SelLength() > 0;
  for (int i = 0; i < menu_->Items()->Count(); ++i) {
    TMenuItem* item = menu_->Items()->Items(i);
    const std::string& caption = item->Caption();
    if (caption == "Cut") item->SetEnabled(selection && !readOnly_ && !password_);
    else if (caption == "Delete") item->SetEnabled(selection && !readOnly_);
    else if (caption == "Copy") item->SetEnabled(selection && !password_);
    else if (caption == "Paste") item->SetEnabled(!readOnly_ && !Clipboard().AsAnsiText().empty());
    else if (caption == "Select All") item->SetEnabled(GetSelText() != text_);
  }
}

void TvgCustomTextBox::EnterFocus() {
  TvgControl::EnterFocus();
  modified_ = false;
  if (showsCaret_) ShowCaret();
  SelectAll();
}

void TvgCustomTextBox::KillFocus() {
  if (!Scene()) {
    TvgControl::KillFocus();
    return;
  }
  if (showsCaret_) HideCaret();
  TvgControl::KillFocus();
  Change();
}

// --- Painting ----------------------------------------------------------------------------------

void TvgCustomTextBox::PaintContent(TvgCanvas& canvas, const TvgRect& rect) {
  if (text_.empty()) return;
  const int state = canvas.SaveState();
  canvas.IntersectClipRect(rect);
  canvas.Font()->Assign(font_.get());
  canvas.Fill()->Assign(textBrush_.get());
  const float opacity = GetAbsoluteOpacity();
  const std::wstring visible = text_.substr(size_t(std::min(firstVisibleChar_ - 1, Length(text_))));
  if (password_) {
    const float step = GetPasswordCharWidth();
    const float size = step - 1;
    const float top = (rect.Top + rect.Bottom - size) / 2;
    float left = rect.Left;
    for (size_t i = 0; i < visible.size(); ++i, left += step)
      canvas.FillEllipse(TvgRect{left, top, left + size, top + size}, opacity);
  } else {
    TvgRect r = rect;
    if (textAlign_ == vgTextAlignNear) r.Right += font_->Size() / 2;
    canvas.FillText(r, r, visible, false, opacity, textAlign_, vgTextAlignCenter);
  }
  if (IsFocused() && SelLength() > 0) {
    canvas.Fill()->Assign(selectionBrush_.get());
    const TvgRect content = GetContentRect();
    TvgRect selection = GetSelRect();
    selection.Left -= content.Left;
    selection.Right -= content.Left;
    selection.Top -= content.Top;
    selection.Bottom -= content.Top;
    canvas.FillRect(selection, 0, 0, TvgCorners{}, opacity, vgCornerRound);
  }
  canvas.RestoreState(state);
}

// --- Clear button ------------------------------------------------------------------------------

void TvgTextBoxClearBtn::ApplyStyle() {
  TvgCustomTextBox::ApplyStyle();
  clearButton_ = dynamic_cast<TvgCustomButton*>(FindResource("clearbutton"));
  if (!clearButton_) return;
  clearButton_->OnClick = [this](TObject*) {
    SetFocus();
    SetText(std::wstring());
    Change();
  };
}

void TvgTextBoxClearBtn::FreeStyle() {
  clearButton_ = nullptr;
  TvgCustomTextBox::FreeStyle();
}
