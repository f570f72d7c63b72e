#include "controls/memo/EdtActionStack.h"

#include "controls/memo/Memo.h"

// Text removed by Backspace ends where the top record begins; text removed by Delete begins at
// the same place. Anything else (a gap, an overlap) is an edit of its own.
void TEdtActionStack::FragmentDeleted(int32_t position, const std::wstring& text) {
  if (text.empty()) return;
  TEdtAction* top = Top();
  if (top && top->Kind == TEdtAction::Deletion) {
    const bool before = position + int32_t(text.size()) == top->Position;
    if (before || position == top->Position) {
      top->Text = before ? text + top->Text : top->Text + text;
      top->Position = position;
      return;
    }
  }
  auto action = std::make_unique<TEdtAction>();
  action->Kind = TEdtAction::Deletion;
  action->Position = position;
  action->Text = text;
  Push(std::move(action));
}

void TEdtActionStack::FragmentInserted(int32_t position, int32_t length, bool chained) {
  if (length == 0) return;
  TEdtAction* top = Top();
  if (top && top->Kind == TEdtAction::Insertion && position == top->Position + top->Length) {
    top->Length += length;
    return;
  }
  auto action = std::make_unique<TEdtAction>();
  action->Kind = TEdtAction::Insertion;
  action->Position = position;
  action->Length = length;
  action->Chained = chained;
  Push(std::move(action));
}

bool TEdtActionStack::RollBackAction() {
  if (actions_.empty() || !owner_) return false;
  bool chained = true;
  while (chained && !actions_.empty()) {
    std::unique_ptr<TEdtAction> action = std::move(actions_.back());
    actions_.pop_back();
    if (action->Kind == TEdtAction::Deletion) {
      const int options = action->Text == L"\r\n" ? kMemoRestore : kMemoSelect | kMemoRestore;
      owner_->InsertAt(owner_->LinearToTextPos(action->Position - 1), action->Text, options);
    } else {
      owner_->DeleteAt(owner_->LinearToTextPos(action->Position), action->Length, kMemoSelect | kMemoRestore);
    }
    chained = action->Chained;
  }
  return true;
}
