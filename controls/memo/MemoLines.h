#pragma once
// TvgMemoLines: a memo's display lines as a string list. Reading gives each line without its
// break; inserting, deleting and clearing rewrite the memo's text. These edits are not undoable.
#include <string>

#include "engine/values/WideStrings.h"

class TvgMemo;

class TvgMemoLines : public TvgWideStrings {
  CL_CLASS(TvgMemoLines, TvgWideStrings)
public:
  explicit TvgMemoLines(TvgMemo* memo = nullptr) : memo_(memo) {}

  int GetCount() const override;
  std::wstring Get(int Index) const override;
  void Insert(int Index, const std::wstring& Text) override;
  void Delete(int Index) override;
  void Clear() override;
  void SetUpdateState(bool Updating) override;

private:
  TvgMemo* memo_;
};
