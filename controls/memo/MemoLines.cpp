#include "controls/memo/MemoLines.h"

#include "controls/memo/Memo.h"

CL_PUBLISHED(TvgMemoLines) {}

int TvgMemoLines::GetCount() const { return memo_ ? memo_->LineCount() : 0; }

std::wstring TvgMemoLines::Get(int Index) const { return memo_ ? memo_->LineText(Index) : std::wstring(); }

void TvgMemoLines::Insert(int Index, const std::wstring& Text) {
  if (!memo_) return;
  memo_->UndoStack().Clear();
  const int count = GetCount();
  if (Index >= 0 && Index < count) {
    memo_->InsertAt({Index, 0}, Text + L"\r\n", 0);
  } else if (count == 0) {
    memo_->InsertAt({0, 0}, Text, 0);
  } else {
    memo_->InsertAt(memo_->LinearToTextPos(int32_t(memo_->Text().size())), L"\r\n" + Text, 0);
  }
  memo_->Change();
}

void TvgMemoLines::Delete(int Index) {
  if (!memo_ || Index < 0 || Index >= GetCount()) return;
  memo_->UndoStack().Clear();
  const TLinesBegs& starts = memo_->LineStarts();
  const int32_t begin = starts[Index] - 1;
  const int32_t end = Index + 1 < GetCount() ? starts[Index + 1] - 1 : int32_t(memo_->Text().size());
  if (Index + 1 < GetCount() || Index == 0) {
    memo_->DeleteAt(memo_->LinearToTextPos(begin), end - begin, kMemoSelect);
  } else {
    const int32_t breakLength = begin - (starts[Index - 1] - 1) - int32_t(memo_->LineText(Index - 1).size());
    memo_->DeleteAt(memo_->LinearToTextPos(begin - breakLength), end - begin + breakLength, kMemoSelect);
  }
  memo_->Change();
}

void TvgMemoLines::Clear() {
  if (!memo_) return;
  memo_->SetText(L"");
  memo_->Change();
}

void TvgMemoLines::SetUpdateState(bool Updating) {
  if (memo_) memo_->SetLinesUpdating(Updating);
}
