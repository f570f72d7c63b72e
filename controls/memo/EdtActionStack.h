#pragma once
// TEdtActionStack: the undo records of one memo, newest on top. The memo's insert and delete
// primitives push records; typing merges into the top record while it continues it exactly, and
// a replace (delete the selection, then insert) is pushed as a chain that one undo takes back
// whole.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TvgMemo;

struct TEdtAction {
  enum TKind : uint8_t { Deletion = 0, Insertion = 1 };
  TKind Kind = Deletion;
  bool Chained = false;   // undoing it goes on to undo the record beneath
  int32_t Position = 0;   // a deletion: 1-based index of the removed text; an insertion: offset
  std::wstring Text;      // the removed text (deletions)
  int32_t Length = 0;     // the number of characters inserted (insertions)
};

class TEdtActionStack {
public:
  explicit TEdtActionStack(TvgMemo* owner) : owner_(owner) {}

  void FragmentDeleted(int32_t position, const std::wstring& text);
  void FragmentInserted(int32_t position, int32_t length, bool chained);
  // Undoes the newest edit and its chain; false when there was nothing to undo.
  bool RollBackAction();
  void Clear() { actions_.clear(); }
  bool Empty() const { return actions_.empty(); }
  int Count() const { return int(actions_.size()); }

private:
  TEdtAction* Top() const { return actions_.empty() ? nullptr : actions_.back().get(); }
  void Push(std::unique_ptr<TEdtAction> action) { actions_.push_back(std::move(action)); }

  TvgMemo* owner_;
  std::vector<std::unique_ptr<TEdtAction>> actions_;
};
