#include "controls/memo/Memo.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cwctype>

#include "classlib/core/Property.h"
#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Clipboard.h"
#include "classlib/desktop/Control.h"
#include "classlib/desktop/Win32.h"
#include "classlib/desktop/Menus.h"
#include "controls/text/TextWords.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Font.h"
#include "engine/styles/ResourceObjects.h"
#include "engine/values/TextForms.h"

CL_PUBLISHED(TvgMemo) {
  using M = TvgMemo;
  published.Property("AutoSelect", &M::AutoSelect, &M::SetAutoSelect).Default(true);
  published.Property("CharCase", &M::CharCase, &M::SetCharCase).Default(vgecNormal);
  published.Property("Font", &M::Font, &M::SetFont);
  published.Property("HideSelection", &M::HideSelection, &M::SetHideSelection).Default(true);
  published.Property("Lines", &M::Lines, &M::SetLines);
  published.Property("MaxLength", &M::MaxLength, &M::SetMaxLength).Default(0);
  published.Property("ReadOnly", &M::ReadOnly, &M::SetReadOnly).Default(false);
  published.Property("TextAlign", &M::TextAlign, &M::SetTextAlign).Default(vgTextAlignNear);
  published.Property("WordWrap", &M::WordWrap, &M::SetWordWrap).Default(false);
  published.Property("OnChange", &M::OnChange, &M::OnChange);
  published.Property("OnChangeTracking", &M::OnChangeTracking, &M::OnChangeTracking);
}

CL_PUBLISHED(TvgHudMemo) {}

namespace {

constexpr uint16_t kKeyBack = 8, kKeyReturn = 13, kKeyPageUp = 33, kKeyPageDown = 34, kKeyEnd = 35, kKeyHome = 36,
                   kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40, kKeyInsert = 45, kKeyDelete = 46;
constexpr int kCursorIBeam = -4;

bool IsBreak(wchar_t c) { return c == L'\r' || c == L'\n'; }

bool OnlyCtrl(TShiftState shift) {
  return shift.Contains(ssCtrl) && !shift.Contains(ssShift) && !shift.Contains(ssAlt);
}

// By the user locale's rules, as the system's own edit controls convert.
std::wstring Cased(std::wstring text, TEditCharCase charCase) {
  if (charCase == vgecUpperCase) CharUpperBuffW(text.data(), DWORD(text.size()));
  if (charCase == vgecLowerCase) CharLowerBuffW(text.data(), DWORD(text.size()));
  return text;
}

// Whether an index falls between a CR and its LF.
bool SplitsBreak(const std::wstring& text, size_t at) {
  return at > 0 && at < text.size() && text[at - 1] == L'\r' && text[at] == L'\n';
}

// Whether a display line ends with a line break, rather than where its source line wraps.
bool EndsWithBreak(const std::wstring& text, const TLinesBegs& starts, int line) {
  const size_t end = line + 1 < int(starts.size()) ? size_t(starts[size_t(line) + 1] - 1) : text.size();
  return end > 0 && end <= text.size() && IsBreak(text[end - 1]);
}

}  // namespace

// --- Construction ------------------------------------------------------------------------------

TvgMemo::TvgMemo(TComponent* owner)
    : TvgScrollBox(owner),
      textBrush_(std::make_unique<TvgBrush>(vgBrushSolid, 0xFF000000)),
      selectionBrush_(std::make_unique<TvgBrush>(vgBrushSolid, 0x802A8ADF)),
      font_(std::make_unique<TvgFont>()),
      lines_(std::make_unique<TvgMemoLines>(this)),
      menu_(std::make_unique<TPopupMenu>(nullptr)) {
  font_->OnChanged = [this](TObject*) {
    if (Loading()) return;
    SplitLines();
    Relayout();
    UpdateCaret(false);
  };
  SetCanFocused(true);
  SetCursor(kCursorIBeam);
  SetAutoCapture(true);
  SetWidth(100);
  BuildMenu();
}

TvgMemo::~TvgMemo() { font_->OnChanged = nullptr; }

void TvgMemo::BuildMenu() {
  const std::pair<const char*, void (TvgMemo::*)()> items[] = {
      {"Undo", &TvgMemo::Undo},           {"Cut", &TvgMemo::CutToClipboard},
      {"Copy", &TvgMemo::CopyToClipboard}, {"Paste", &TvgMemo::PasteFromClipboard},
      {"Delete", &TvgMemo::DeleteSelection}, {"Select All", &TvgMemo::SelectAll}};
  for (const auto& [caption, command] : items) {
    auto* item = new TMenuItem(menu_.get());
    item->SetCaption(caption);
    item->OnClick = [this, command = command](TObject*) { (this->*command)(); };
    menu_->Items()->Add(item);
  }
}

// --- Text --------------------------------------------------------------------------------------

void TvgMemo::SetText(const std::wstring& value) {
  if (!ValidateText(value) || value == text_) return;
  if (splitOnSetText_) undo_.Clear();
  StoreText(value);
  ClampPositions();
}

void TvgMemo::StoreText(std::wstring value) {
  text_ = value.empty() ? std::move(value) : Cased(std::move(value), charCase_);
  if (splitOnSetText_) {
    SplitLines();
    if (!linesUpdating_) Relayout();
  }
  if (!Loading()) OnChangeTracking(this);
  modified_ = true;
}

// Positions kept past the end of a shorter text would address characters that are gone.
void TvgMemo::ClampPositions() {
  const int32_t length = int32_t(text_.size());
  auto clamp = [&](TvgTextPos& pos) { pos = LinearToTextPos(std::min(TextPosToLinear(pos), length)); };
  clamp(caretPos_);
  clamp(selStartPos_);
  clamp(selEndPos_);
  if (selActive_ && SelLength() == 0) selActive_ = false;
  UpdateCaret(false);
}

void TvgMemo::SetData(const Variant& value) { SetText(value.IsNull() ? std::wstring() : value.ToWideString()); }

void TvgMemo::SetLines(TvgWideStrings* lines) { lines_->Assign(lines); }

void TvgMemo::SetFont(TvgFont* font) { font_->Assign(font); }

void TvgMemo::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  ReSplitKeepingPositions();
  if (!linesUpdating_) Relayout();
  UpdateCaret(false);
}

void TvgMemo::SetHideSelection(bool value) {
  hideSelection_ = value;
  Repaint();
}

void TvgMemo::SetLinesUpdating(bool value) {
  linesUpdating_ = value;
  if (!value) Relayout();
}

void TvgMemo::Change() {
  if (!modified_) return;
  UpdateBinding();
  OnChange(this);
}

void TvgMemo::Loaded() {
  TvgScrollBox::Loaded();
  SplitLines();
  Relayout();
}

std::wstring TvgMemo::LineText(int line) const {
  if (line < 0 || line >= LineCount()) return {};
  const size_t begin = size_t(lineStarts_[line] - 1);
  size_t end = line + 1 < LineCount() ? size_t(lineStarts_[line + 1] - 1) : text_.size();
  if (end > begin && text_[end - 1] == L'\n') --end;
  if (end > begin && text_[end - 1] == L'\r') --end;
  return text_.substr(begin, end - begin);
}

// --- Display lines -----------------------------------------------------------------------------

float TvgMemo::GetTextWidth(const std::wstring& text) {
  TvgCanvas* canvas = GetCanvas();
  if (!canvas || text.empty()) return 0;
  UpdateCanvasFont(canvas);
  TvgRect rect = GetViewportRect();
  rect.Right = 10000;
  canvas->MeasureText(rect, rect, text, false, textAlign_, vgTextAlignCenter);
  return vgRectWidth(rect);
}

void TvgMemo::UpdateCanvasFont(TvgCanvas* canvas) {
  TvgFont* font = canvas->Font();
  if (font->Size() != font_->Size() || font->Family() != font_->Family() || font->Style() != font_->Style() ||
      font->ClearType() != font_->ClearType())
    font->Assign(font_.get());
}

void TvgMemo::SplitLines() {
  lineStarts_.clear();
  lineWidths_.clear();
  widestLine_ = 0;
  if (!text_.empty()) SplitSourceLines(0, INT_MAX, lineStarts_, lineWidths_);
  splitWidth_ = GetViewportWidth();
  FindWidestLine();
}

// Appends the display lines of the source lines from `from` (a line start) up to the line start
// `to`, or through the end of the text for INT_MAX.
void TvgMemo::SplitSourceLines(int32_t from, int32_t to, TLinesBegs& starts, std::vector<float>& widths) {
  const int32_t length = int32_t(text_.size());
  int32_t pos = from;
  while (true) {
    int32_t end = pos;
    while (end < length && !IsBreak(text_[end])) ++end;
    const std::wstring line = text_.substr(size_t(pos), size_t(end - pos));
    starts.push_back(pos + 1);
    const float width = GetTextWidth(line);
    widths.push_back(width);
    if (wordWrap_ && width > GetViewportWidth()) BreakLine(pos, line, starts, widths);
    if (end == length) return;
    pos = end + (text_[end] == L'\r' && end + 1 < length && text_[end + 1] == L'\n' ? 2 : 1);
    if (pos == length) {
      starts.push_back(pos + 1);
      widths.push_back(0);
      return;
    }
    if (pos >= to) return;
  }
}

// A new display line begins at the first token that would overflow; a token wider than the
// viewport stays whole on a line of its own.
void TvgMemo::BreakLine(int32_t start, const std::wstring& line, TLinesBegs& starts, std::vector<float>& widths) {
  const float width = GetViewportWidth();
  int segment = 0;
  int pos = 1;
  while (pos <= int(line.size())) {
    const int tokenStart = pos - 1;
    vgGetWideToken(line, pos, L" ,-");
    const int tokenEnd = pos - 1;
    if (tokenStart > segment && GetTextWidth(line.substr(size_t(segment), size_t(tokenEnd - segment))) > width) {
      starts.push_back(start + tokenStart + 1);
      widths.push_back(0);
      segment = tokenStart;
    }
  }
}

void TvgMemo::FindWidestLine() {
  widestLine_ = 0;
  for (int i = 1; i < int(lineWidths_.size()); ++i)
    if (lineWidths_[i] > lineWidths_[size_t(widestLine_)]) widestLine_ = i;
}

// Re-splits only the source lines an edit touched, from the line before the edit (a break typed
// after a CR may join it) to the end of the line the edit ended in, and shifts the rest.
void TvgMemo::UpdateLinesAfterEdit(int32_t at, int32_t removed, int32_t inserted) {
  const int32_t length = int32_t(text_.size());
  if (length == 0) {
    lineStarts_.clear();
    lineWidths_.clear();
    widestLine_ = 0;
    return;
  }
  int32_t from = std::min(at, length);
  while (from > 0 && !IsBreak(text_[size_t(from - 1)])) --from;
  if (from > 0) {
    --from;
    if (from > 0 && text_[size_t(from)] == L'\n' && text_[size_t(from - 1)] == L'\r') --from;
    while (from > 0 && !IsBreak(text_[size_t(from - 1)])) --from;
  }
  int32_t to = at + inserted;
  while (to < length && !IsBreak(text_[size_t(to)])) ++to;
  if (to < length) to += text_[size_t(to)] == L'\r' && to + 1 < length && text_[size_t(to) + 1] == L'\n' ? 2 : 1;
  if (to >= length) to = INT_MAX;
  const int32_t delta = inserted - removed;
  const int32_t oldTo = to == INT_MAX ? INT_MAX : to - delta;

  auto first = std::lower_bound(lineStarts_.begin(), lineStarts_.end(), from + 1);
  auto last = oldTo == INT_MAX ? lineStarts_.end() : std::lower_bound(first, lineStarts_.end(), oldTo + 1);
  const size_t firstIndex = size_t(first - lineStarts_.begin());
  const size_t lastIndex = size_t(last - lineStarts_.begin());
  TLinesBegs starts;
  std::vector<float> widths;
  SplitSourceLines(from, to, starts, widths);
  for (size_t i = lastIndex; i < lineStarts_.size(); ++i) lineStarts_[i] += delta;
  lineStarts_.erase(lineStarts_.begin() + ptrdiff_t(firstIndex), lineStarts_.begin() + ptrdiff_t(lastIndex));
  lineStarts_.insert(lineStarts_.begin() + ptrdiff_t(firstIndex), starts.begin(), starts.end());
  lineWidths_.erase(lineWidths_.begin() + ptrdiff_t(firstIndex), lineWidths_.begin() + ptrdiff_t(lastIndex));
  lineWidths_.insert(lineWidths_.begin() + ptrdiff_t(firstIndex), widths.begin(), widths.end());
  FindWidestLine();
}

void TvgMemo::ReSplitKeepingPositions() {
  const int32_t caret = TextPosToLinear(caretPos_);
  const int32_t anchor = TextPosToLinear(selStartPos_);
  const int32_t end = TextPosToLinear(selEndPos_);
  SplitLines();
  caretPos_ = LinearToTextPos(caret);
  selStartPos_ = LinearToTextPos(anchor);
  selEndPos_ = LinearToTextPos(end);
}

void TvgMemo::Relayout() {
  if (linesUpdating_) return;
  Realign();
  Repaint();
}

void TvgMemo::GetContentBounds(TvgRect& rect) {
  if (wordWrap_ && GetViewportWidth() != splitWidth_) ReSplitKeepingPositions();
  const float viewportWidth = GetViewportWidth();
  float width = viewportWidth;
  if (!wordWrap_ && widestLine_ < int(lineWidths_.size()) && lineWidths_[size_t(widestLine_)] > viewportWidth)
    width = lineWidths_[size_t(widestLine_)] + 10;
  // Never smaller than the view: an empty or short memo needs no bars.
  rect = {0, 0, width, std::max(float(LineCount()) * GetLineHeight(), GetViewportHeight())};
}

// --- Geometry ----------------------------------------------------------------------------------

float TvgMemo::GetLineHeight() const { return float(Round(font_->Size() * 1.25)); }

// A font small enough to round the line height to 0 still gets lines one unit high in divisions.
static float DivisorHeight(float lineHeight) { return lineHeight > 0 ? lineHeight : 1; }

float TvgMemo::GetVisibleLineCount() { return GetViewportHeight() / DivisorHeight(GetLineHeight()); }

float TvgMemo::AlignOffset(float lineWidth) {
  const float width = GetViewportWidth();
  if (lineWidth >= width) return 0;
  if (textAlign_ == vgTextAlignCenter) return (width - lineWidth) / 2;
  if (textAlign_ == vgTextAlignFar) return width - lineWidth;
  return 0;
}

TvgPoint TvgMemo::GetPositionPoint(const TvgTextPos& pos) {
  const TvgRect viewport = GetViewportRect();
  const std::wstring line = LineText(pos.Line);
  const float x = GetTextWidth(line.substr(0, size_t(std::clamp(pos.Col, 0, int32_t(line.size())))));
  const float offset = textAlign_ == vgTextAlignNear ? 0 : AlignOffset(GetTextWidth(line));
  return {viewport.Left + x + offset - GetHScrollOffset(),
          viewport.Top + float(pos.Line) * GetLineHeight() - GetVScrollOffset()};
}

TvgTextPos TvgMemo::PointToTextPos(const TvgPoint& point) {
  if (LineCount() == 0) return {};
  const TvgRect viewport = GetViewportRect();
  const float x = std::clamp(point.X, viewport.Left, viewport.Right);
  const float y = std::clamp(point.Y, viewport.Top, viewport.Bottom);
  const float lineHeight = DivisorHeight(GetLineHeight());
  TvgTextPos pos;
  pos.Line = int32_t(std::trunc(GetVScrollOffset() / lineHeight) + std::trunc((y - viewport.Top) / lineHeight));
  pos.Line = std::clamp(pos.Line, 0, LineCount() - 1);
  const std::wstring line = LineText(pos.Line);
  const float offset = textAlign_ == vgTextAlignNear ? 0 : AlignOffset(GetTextWidth(line));
  const float local = x - offset + GetHScrollOffset();
  const float slack = font_->Size() / 4;
  int32_t col = 0;
  while (col < int32_t(line.size())) {
    const float passed = GetTextWidth(line.substr(0, size_t(col) + 1));
    const float before = col == 0 ? 0 : GetTextWidth(line.substr(0, size_t(col)));
    const float limit = col == 0 ? viewport.Left + passed / 2 : viewport.Left + before + slack;
    if (local <= limit || viewport.Left + before > viewport.Right + GetHScrollOffset()) break;
    ++col;
  }
  pos.Col = col;
  return pos;
}

int32_t TvgMemo::TextPosToLinear(const TvgTextPos& pos) const {
  if (lineStarts_.empty()) return 0;
  const int line = std::clamp(pos.Line, 0, LineCount() - 1);
  const int32_t begin = lineStarts_[size_t(line)] - 1;
  const int32_t end = line + 1 < LineCount() ? lineStarts_[size_t(line) + 1] - 1 : int32_t(text_.size());
  return std::min(begin + std::max(pos.Col, 0), end);
}

TvgTextPos TvgMemo::LinearToTextPos(int32_t linear) const {
  if (lineStarts_.empty()) return {};
  linear = std::clamp(linear, 0, int32_t(text_.size()));
  auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), linear + 1);
  const int line = std::max(int(after - lineStarts_.begin()) - 1, 0);
  return {line, linear - (lineStarts_[size_t(line)] - 1)};
}

TvgTextPos TvgMemo::MovePosition(const TvgTextPos& from, int32_t count) const {
  if (lineStarts_.empty()) return {};
  if (count >= 14) {
    int32_t linear = TextPosToLinear(from) + count;
    if (SplitsBreak(text_, size_t(std::max(linear, 0)))) ++linear;
    return LinearToTextPos(linear);
  }
  TvgTextPos pos = LinearToTextPos(TextPosToLinear(from));
  for (; count < 0; ++count) {
    if (pos.Col > 0) {
      --pos.Col;
    } else if (pos.Line > 0) {
      --pos.Line;
      pos.Col = int32_t(LineText(pos.Line).size());
      if (!EndsWithBreak(text_, lineStarts_, pos.Line) && pos.Col > 0) --pos.Col;
    }
  }
  for (; count > 0; --count) {
    if (pos.Col < int32_t(LineText(pos.Line).size())) {
      ++pos.Col;
    } else if (pos.Line + 1 < LineCount()) {
      const bool wrapped = !EndsWithBreak(text_, lineStarts_, pos.Line);
      ++pos.Line;
      pos.Col = wrapped ? std::min<int32_t>(1, int32_t(LineText(pos.Line).size())) : 0;
    }
  }
  return pos;
}

// --- Editing primitives ------------------------------------------------------------------------

void TvgMemo::InsertAt(const TvgTextPos& pos, const std::wstring& text, int options) {
  std::wstring piece = text;
  if (maxLength_ > 0 && !(options & kMemoRestore)) {
    const size_t room = size_t(std::max<int64_t>(0, int64_t(maxLength_) - int64_t(text_.size())));
    if (piece.size() > room) {
      piece.resize(room);
      if (!piece.empty() && piece.back() == L'\r' && text[piece.size()] == L'\n') piece.pop_back();
    }
  }
  const int32_t at = TextPosToLinear(pos);
  const int32_t oldCaret = TextPosToLinear(caretPos_);
  if (options & kMemoRecordInsertion) undo_.FragmentInserted(at, int32_t(piece.size()), (options & kMemoChain) != 0);
  if (!piece.empty()) {
    std::wstring changed = text_;
    changed.insert(size_t(at), piece);
    splitOnSetText_ = false;
    StoreText(std::move(changed));
    splitOnSetText_ = true;
    UpdateLinesAfterEdit(at, 0, int32_t(piece.size()));
  }
  if (options & kMemoSelect) {
    selStartPos_ = LinearToTextPos(at);
    selEndPos_ = LinearToTextPos(at + int32_t(piece.size()));
    selActive_ = true;
    caretPos_ = selEndPos_;
  } else if (!Loading()) {
    caretPos_ = LinearToTextPos(oldCaret + int32_t(piece.size()));
  }
  UpdateCaret(false);
  if (!linesUpdating_) Relayout();
}

void TvgMemo::DeleteAt(const TvgTextPos& pos, int32_t count, int options) {
  int32_t at = TextPosToLinear(pos);
  count = std::clamp(count, 0, int32_t(text_.size()) - at);
  if (!(options & kMemoRestore)) {
    if (SplitsBreak(text_, size_t(at + count))) ++count;
    if (SplitsBreak(text_, size_t(at))) {
      --at;
      ++count;
    }
  }
  if (count > 0) {
    const std::wstring removed = text_.substr(size_t(at), size_t(count));
    if (options & kMemoRecordDeletion) undo_.FragmentDeleted(at + 1, removed);
    std::wstring changed = text_;
    changed.erase(size_t(at), size_t(count));
    splitOnSetText_ = false;
    StoreText(std::move(changed));
    splitOnSetText_ = true;
    UpdateLinesAfterEdit(at, count, 0);
  }
  if ((options & kMemoSelect) || selActive_) {
    selActive_ = false;
    caretPos_ = selStartPos_ = selEndPos_ = LinearToTextPos(at);
  } else {
    caretPos_ = LinearToTextPos(std::min(TextPosToLinear(caretPos_), int32_t(text_.size())));
  }
  UpdateCaret(false);
  if (!linesUpdating_) Relayout();
}

// --- Selection and commands --------------------------------------------------------------------

// Placing the caret from code drops the selection, as a click does.
void TvgMemo::SetCaretPos(const TvgTextPos& pos) {
  caretPos_ = selStartPos_ = selEndPos_ = LinearToTextPos(TextPosToLinear(pos));
  selActive_ = false;
  UpdateCaret(true);
}

void TvgMemo::SetSelection(const TvgTextPos& anchor, const TvgTextPos& end) {
  selStartPos_ = anchor;
  selEndPos_ = end;
  selActive_ = true;
  caretPos_ = end;
  UpdateCaret(true);
  Repaint();
}

int32_t TvgMemo::SelStart() const {
  return selActive_ ? std::min(TextPosToLinear(selStartPos_), TextPosToLinear(selEndPos_)) : TextPosToLinear(caretPos_);
}

int32_t TvgMemo::SelLength() const {
  return selActive_ ? std::abs(TextPosToLinear(selStartPos_) - TextPosToLinear(selEndPos_)) : 0;
}

std::wstring TvgMemo::SelText() const { return text_.substr(size_t(SelStart()), size_t(SelLength())); }

void TvgMemo::CopyToClipboard() {
  if (SelLength() > 0) Clipboard().SetAsText(SelText());
}

void TvgMemo::CutToClipboard() {
  if (readOnly_ || SelLength() == 0) return;
  CopyToClipboard();
  DeleteSelection();
}

void TvgMemo::PasteFromClipboard() {
  if (readOnly_) return;
  const std::wstring text = Clipboard().AsText();
  if (SelLength() > 0) {
    const TvgTextPos start = LinearToTextPos(SelStart());
    DeleteAt(start, SelLength(), kMemoSelect | kMemoRecordDeletion);
    InsertAt(start, text, kMemoRecordDeletion | kMemoRecordInsertion | kMemoChain);
  } else {
    InsertAt(caretPos_, text, kMemoRecordDeletion | kMemoRecordInsertion);
  }
  Change();
}

void TvgMemo::DeleteSelection() {
  if (readOnly_ || SelLength() == 0) return;
  DeleteAt(LinearToTextPos(SelStart()), SelLength(), kMemoSelect | kMemoRecordDeletion);
}

void TvgMemo::SelectAll() {
  const TvgTextPos end = LinearToTextPos(int32_t(text_.size()));
  SetSelection(end, {});
  selStartPos_ = {};
  selEndPos_ = end;
  caretPos_ = end;
  UpdateCaret(true);
  Repaint();
}

void TvgMemo::Undo() {
  if (readOnly_) return;
  if (undo_.RollBackAction()) {
    UpdateCaret(true);
    Change();
  }
}

void TvgMemo::GetSelectionAreas(std::vector<TSelArea>& areas) {
  areas.clear();
  if (!selActive_ || SelLength() == 0) return;
  TvgTextPos first = selStartPos_, last = selEndPos_;
  if (TextPosToLinear(last) < TextPosToLinear(first)) std::swap(first, last);
  const float lineHeight = GetLineHeight();
  const float visible = GetVisibleLineCount();
  const int top = int(std::trunc(GetVScrollOffset() / DivisorHeight(lineHeight)));
  for (int line = std::max(first.Line, top); line <= last.Line && line <= top + int(visible) + 1; ++line) {
    const TvgPoint start = GetPositionPoint({line, line == first.Line ? first.Col : 0});
    const TvgPoint end = GetPositionPoint({line, line == last.Line ? last.Col : int32_t(LineText(line).size())});
    areas.push_back({start.X, start.Y, end.X, start.Y + lineHeight});
  }
}

// --- Caret -------------------------------------------------------------------------------------

void TvgMemo::UpdateCaret(bool scroll) {
  if (scroll) ScrollToCaret();
  const float lineHeight = GetLineHeight();
  SetCaretSize({2, lineHeight});
  const TvgPoint point = GetPositionPoint(caretPos_);
  TvgVisualObject::SetCaretPos(point);  // the scene caret, not the text position
  SetCaretColor(textBrush_->SolidColor());
  const TvgRect viewport = GetViewportRect();
  if (IsFocused()) {
    if (point.Y + lineHeight > viewport.Top && point.Y < viewport.Bottom) ShowCaret();
    else HideCaret();
  }
}

void TvgMemo::ScrollToCaret() {
  const float lineHeight = GetLineHeight();
  if (TvgControl* bar = VScrollBar(); bar && bar->Visible()) {
    const double value = std::get<double>(GetPropValue(bar, "Value"));
    const float line = float(caretPos_.Line);
    if (value > line * lineHeight) SetPropValue(bar, "Value", double(line * lineHeight));
    else if ((line + 1) * lineHeight > value + GetViewportHeight())
      SetPropValue(bar, "Value", double(lineHeight * (line - std::floor(GetVisibleLineCount()) + 1)));
  }
  const TvgRect viewport = GetViewportRect();
  const float x = GetPositionPoint(caretPos_).X;
  if (x >= viewport.Left && x <= viewport.Right) return;
  const std::wstring line = LineText(caretPos_.Line);
  if (caretPos_.Col + 1 < firstVisibleChar_) firstVisibleChar_ = std::max(caretPos_.Col, 1);
  while (firstVisibleChar_ <= caretPos_.Col && firstVisibleChar_ <= int32_t(line.size()) &&
         GetTextWidth(line.substr(size_t(firstVisibleChar_ - 1), size_t(caretPos_.Col - firstVisibleChar_ + 1))) >
             GetViewportWidth() - 5)
    ++firstVisibleChar_;
  if (TvgControl* bar = HScrollBar(); bar && bar->Visible())
    SetPropValue(bar, "Value", double(GetTextWidth(line.substr(0, size_t(firstVisibleChar_ - 1)))));
}

// --- Keyboard ----------------------------------------------------------------------------------

void TvgMemo::ReplaceSelection(int& insertOptions) {
  if (selActive_ && SelLength() > 0) {
    DeleteAt(LinearToTextPos(SelStart()), SelLength(), kMemoSelect | kMemoRecordDeletion);
    insertOptions |= kMemoChain;
  }
}

void TvgMemo::TypeText(const std::wstring& text) {
  int options = kMemoRecordDeletion | kMemoRecordInsertion;
  ReplaceSelection(options);
  InsertAt(caretPos_, text, options);
  selActive_ = false;
  selStartPos_ = selEndPos_ = caretPos_;
}

// The column on the target line nearest to the caret's x.
TvgTextPos TvgMemo::LineMove(int lines) {
  if (LineCount() == 0) return {};
  const int target = std::clamp(caretPos_.Line + lines, 0, LineCount() - 1);
  const float x = GetPositionPoint(caretPos_).X;
  const int32_t length = int32_t(LineText(target).size());
  TvgTextPos pos{target, 0};
  float distance = std::fabs(GetPositionPoint(pos).X - x);
  for (int32_t col = 1; col <= length; ++col) {
    const float next = std::fabs(GetPositionPoint({target, col}).X - x);
    if (next >= distance) break;
    distance = next;
    pos.Col = col;
  }
  return pos;
}

TvgTextPos TvgMemo::WordStep(bool right) const {
  const std::wstring line = LineText(caretPos_.Line);
  if (right) {
    if (caretPos_.Col >= int32_t(line.size())) return MovePosition(caretPos_, 1);
    return {caretPos_.Line, vgWordRight(line, caretPos_.Col)};
  }
  if (caretPos_.Col == 0) return MovePosition(caretPos_, -1);
  return {caretPos_.Line, vgWordLeft(line, caretPos_.Col)};
}

void TvgMemo::MoveCaretByKey(uint16_t key, TShiftState shift) {
  const bool ctrl = shift.Contains(ssCtrl);
  const int page = int(Round(GetVisibleLineCount()));
  switch (key) {
    case kKeyPageUp: caretPos_ = LineMove(-page); break;
    case kKeyPageDown: caretPos_ = LineMove(page); break;
    case kKeyEnd:
      caretPos_ = ctrl ? LinearToTextPos(int32_t(text_.size()))
                       : TvgTextPos{caretPos_.Line, int32_t(LineText(caretPos_.Line).size())};
      break;
    case kKeyHome: caretPos_ = ctrl ? TvgTextPos{} : TvgTextPos{caretPos_.Line, 0}; break;
    case kKeyLeft: caretPos_ = ctrl ? WordStep(false) : MovePosition(caretPos_, -1); break;
    case kKeyRight: caretPos_ = ctrl ? WordStep(true) : MovePosition(caretPos_, 1); break;
    case kKeyUp: caretPos_ = LineMove(-1); break;
    case kKeyDown: caretPos_ = LineMove(1); break;
  }
}

void TvgMemo::KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) {
  TvgScrollBox::KeyDown(key, keyChar, shift);
  const TvgTextPos oldCaret = caretPos_;
  if (key == kKeyReturn && !readOnly_) {
    TypeText(L"\r\n");
    key = 0;
  }
  switch (key) {
    case kKeyBack:
    case kKeyDelete:
      if (readOnly_) break;
      if (SelLength() > 0) {
        if (shift.Contains(ssShift)) CutToClipboard();
        else DeleteSelection();
      } else if (key == kKeyDelete) {
        DeleteAt(caretPos_, 1, kMemoSelect | kMemoRecordDeletion);
      } else if (TextPosToLinear(caretPos_) > 0) {
        DeleteAt(LinearToTextPos(TextPosToLinear(caretPos_) - 1), 1, kMemoSelect | kMemoRecordDeletion);
      }
      break;
    case kKeyInsert:
      if (OnlyCtrl(shift)) CopyToClipboard();
      else if (shift.Contains(ssShift)) PasteFromClipboard();
      break;
    default:
      if (key >= kKeyPageUp && key <= kKeyDown) MoveCaretByKey(key, shift);
  }
  if (keyChar != 0 && OnlyCtrl(shift)) {
    switch (std::towlower(keyChar)) {
      case L'a': SelectAll(); break;
      case L'c': CopyToClipboard(); break;
      case L'v': PasteFromClipboard(); break;
      case L'x': CutToClipboard(); break;
    }
    if (std::wstring(L"acvxz").find(wchar_t(std::towlower(keyChar))) != std::wstring::npos) keyChar = 0;
  }
  if ((keyChar >= 32 || keyChar == 13) && !readOnly_) {
    TypeText(keyChar == 13 ? std::wstring(L"\r\n") : std::wstring(1, keyChar));
    keyChar = 0;
  }
  if (key >= kKeyPageUp && key <= kKeyDown) {
    if (shift.Contains(ssShift)) {
      if (!selActive_) selStartPos_ = oldCaret;
      selActive_ = true;
      selEndPos_ = caretPos_;
    } else {
      selActive_ = false;
    }
    Repaint();
  }
  UpdateCaret(true);
}

// --- Mouse -------------------------------------------------------------------------------------

void TvgMemo::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgScrollBox::MouseDown(button, shift, x, y);
  if (button != mbLeft || !vgPtInRect({x, y}, GetViewportRect())) return;
  if (shift.Contains(ssDouble)) {
    const std::wstring line = LineText(caretPos_.Line);
    SetSelection({caretPos_.Line, vgWordStartAt(line, caretPos_.Col)}, {caretPos_.Line, vgWordEndAt(line, caretPos_.Col)});
    return;
  }
  selecting_ = true;
  caretPos_ = PointToTextPos({x, y});
  selStartPos_ = selEndPos_ = caretPos_;
  selActive_ = true;
  UpdateCaret(true);
  Repaint();
}

void TvgMemo::MouseMove(TShiftState shift, float x, float y, float dx, float dy) {
  TvgScrollBox::MouseMove(shift, x, y, dx, dy);
  lastMousePoint_ = {x, y};
  if (!selecting_) return;
  caretPos_ = PointToTextPos({x, y});
  selEndPos_ = caretPos_;
  UpdateCaret(true);
  Repaint();
}

void TvgMemo::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  TvgScrollBox::MouseUp(button, shift, x, y);
  selecting_ = false;
  if (SelLength() == 0) selActive_ = false;
}

void TvgMemo::MouseWheel(TShiftState shift, int wheelDelta, bool& handled) {
  TvgScrollBox::MouseWheel(shift, wheelDelta, handled);
  if (TvgControl* bar = VScrollBar(); bar && bar->Visible())
    SetPropValue(bar, "Value", std::get<double>(GetPropValue(bar, "Value")) - double(wheelDelta) / 30);
  UpdateCaret(false);
}

// --- Menu and focus ----------------------------------------------------------------------------

void TvgMemo::ContextMenu(const TvgPoint& screenPoint) {
  TvgScrollBox::ContextMenu(screenPoint);
  if (Designing() || PopupMenu()) return;
  UpdatePopupMenu();
  menu_->SetPopupComponent(this);
  menu_->Popup(int(Round(screenPoint.X)), int(Round(screenPoint.Y)));
}

void TvgMemo::UpdatePopupMenu() {
  const bool selected = SelLength() > 0;
  for (int i = 0; i < menu_->Items()->Count(); ++i) {
    TMenuItem* item = menu_->Items()->Items(i);
    const std::string& caption = item->Caption();
    if (caption == "Undo") item->SetEnabled(!undo_.Empty() && !readOnly_);
    else if (caption == "Cut" || caption == "Delete") item->SetEnabled(selected && !readOnly_);
    else if (caption == "Copy") item->SetEnabled(selected);
    else if (caption == "Paste") item->SetEnabled(!Clipboard().AsAnsiText().empty() && !readOnly_);
    else if (caption == "Select All") item->SetEnabled(SelText() != text_);
  }
}

void TvgMemo::EnterFocus() {
  TvgScrollBox::EnterFocus();
  modified_ = false;
  caretPos_ = {};
  if (autoSelect_ && !text_.empty()) {
    selStartPos_ = {};
    selEndPos_ = LinearToTextPos(int32_t(text_.size()));
    selActive_ = true;
  }
  UpdateCaret(false);
  ShowCaret();
  Repaint();
}

void TvgMemo::KillFocus() {
  TvgScrollBox::KillFocus();
  HideCaret();
  Change();
}

// --- Style and painting ------------------------------------------------------------------------

void TvgMemo::ApplyStyle() {
  TvgScrollBox::ApplyStyle();
  if (auto* foreground = dynamic_cast<TvgBrushObject*>(FindResource("foreground")))
    textBrush_->Assign(foreground->Brush());
  if (auto* selection = dynamic_cast<TvgBrushObject*>(FindResource("selection")))
    selectionBrush_->Assign(selection->Brush());
  contentPart_ = Viewport();
  if (contentPart_) contentPart_->OnPaint = [this](TObject*, TvgCanvas* canvas, const TvgRect&) { PaintContent(canvas); };
  SplitLines();
  Realign();
  UpdateCaret(false);
}

void TvgMemo::FreeStyle() {
  if (contentPart_) contentPart_->OnPaint = nullptr;
  contentPart_ = nullptr;
  TvgScrollBox::FreeStyle();
}

void TvgMemo::PaintContent(TvgCanvas* canvas) {
  const TvgRect viewport = GetViewportRect();
  const int state = canvas->SaveState();
  canvas->IntersectClipRect({0, 0, vgRectWidth(viewport), vgRectHeight(viewport)});
  UpdateCanvasFont(canvas);
  canvas->Fill()->Assign(textBrush_.get());
  const float lineHeight = GetLineHeight();
  const float offset = GetVScrollOffset() / DivisorHeight(lineHeight);
  const int first = int(std::trunc(offset));
  const int last = std::min(int(Round(offset) + int64_t(GetVisibleLineCount())), LineCount() - 1);
  for (int line = first; line <= last; ++line) {
    const TvgPoint at = GetPositionPoint({line, 0});
    const TvgRect rect{at.X - viewport.Left, at.Y - viewport.Top, 65535, at.Y - viewport.Top + lineHeight * 1.25f};
    canvas->FillText(rect, rect, LineText(line), false, GetAbsoluteOpacity(), vgTextAlignNear, vgTextAlignNear);
  }
  if (IsFocused() || !hideSelection_) {
    std::vector<TSelArea> areas;
    GetSelectionAreas(areas);
    canvas->Fill()->Assign(selectionBrush_.get());
    for (const TSelArea& area : areas) {
      TvgRect rect{area.Left - viewport.Left, area.Top - viewport.Top, area.Right - viewport.Left,
                   area.Bottom - viewport.Top};
      vgIntersectRect(rect, rect, {0, 0, 1000, 1000});
      canvas->FillRect(rect, 0, 0, TvgCorners{}, 1, vgCornerRound);
    }
  }
  canvas->RestoreState(state);
}
