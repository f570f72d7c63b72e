#include "engine/values/WideStrings.h"

#include <algorithm>

#include "classlib/core/FileStream.h"
#include "classlib/core/Reader.h"
#include "classlib/core/StringList.h"
#include "classlib/core/Writer.h"
#include "classlib/core/TextCodec.h"
#include "engine/values/WideTextCompare.h"

CL_PUBLISHED(TvgWideStrings) {}
CL_PUBLISHED(TvgWideStringList) {}

namespace {

bool IsLineBreak(wchar_t c) {
  return c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r' || c == L'\u2028' || c == L'\u2029';
}

[[noreturn]] void ThrowListIndexError(int index) {
  throw EListError("List index error (" + std::to_string(index) + ")");
}

// Runs f inside BeginUpdate/EndUpdate, also when f raises.
template <class F>
void InsideUpdate(TvgWideStrings& list, F f) {
  list.BeginUpdate();
  try {
    f();
  } catch (...) {
    list.EndUpdate();
    throw;
  }
  list.EndUpdate();
}

}  // namespace

// --- TvgWideStrings --------------------------------------------------------------------------

int TvgWideStrings::CompareStrings(const std::wstring& A, const std::wstring& B) const {
  return vgWideCompareText(A, B);
}

std::wstring TvgWideStrings::Get(int) const { return {}; }
TObject* TvgWideStrings::GetObject(int) const { return nullptr; }
void TvgWideStrings::PutObject(int, TObject*) {}
void TvgWideStrings::SetCapacity(int) {}
void TvgWideStrings::SetUpdateState(bool) {}
void TvgWideStrings::Insert(int, const std::wstring&) {}
void TvgWideStrings::Sort() {}
void TvgWideStrings::Delete(int) {}
void TvgWideStrings::Clear() {}

void TvgWideStrings::Put(int Index, const std::wstring& Text) {
  TObject* object = GetObject(Index);
  Delete(Index);
  Insert(Index, Text);
  PutObject(Index, object);
}

std::wstring TvgWideStrings::GetTextStr() const {
  std::wstring text;
  for (int i = 0; i < GetCount(); ++i) text += Get(i) + L"\r\n";
  return text;
}

void TvgWideStrings::SetTextStr(const std::wstring& Text) {
  InsideUpdate(*this, [&] {
    Clear();
    const size_t end = std::min(Text.find(L'\0'), Text.size());
    size_t start = 0;
    while (start < end) {
      size_t stop = start;
      while (stop < end && !IsLineBreak(Text[stop])) ++stop;
      Add(Text.substr(start, stop - start));
      if (stop < end && Text[stop] == L'\r' && stop + 1 < end && Text[stop + 1] == L'\n') ++stop;
      start = stop + 1;
    }
  });
}

void TvgWideStrings::SetText(const wchar_t* Text) { SetTextStr(Text ? std::wstring(Text) : std::wstring()); }

int TvgWideStrings::Add(const std::wstring& Text) {
  int index = GetCount();
  Insert(index, Text);
  return index;
}

int TvgWideStrings::AddObject(const std::wstring& Text, TObject* Object) {
  int index = Add(Text);
  PutObject(index, Object);
  return index;
}

void TvgWideStrings::AddStrings(TStringList* List) {
  InsideUpdate(*this, [&] {
    for (int i = 0; i < List->Count(); ++i) AddObject(AnsiToWide(List->Strings(i)), List->Objects(i));
  });
}

void TvgWideStrings::AddWideStrings(TvgWideStrings* List) {
  InsideUpdate(*this, [&] {
    for (int i = 0; i < List->GetCount(); ++i) AddObject(List->Get(i), List->GetObject(i));
  });
}

void TvgWideStrings::Exchange(int Index1, int Index2) {
  InsideUpdate(*this, [&] {
    TObject* object1 = GetObject(Index1);
    std::wstring text1 = Get(Index1);
    Put(Index1, Get(Index2));
    PutObject(Index1, GetObject(Index2));
    Put(Index2, text1);
    PutObject(Index2, object1);
  });
}

int TvgWideStrings::IndexOf(const std::wstring& Text) const {
  for (int i = 0; i < GetCount(); ++i)
    if (CompareStrings(Get(i), Text) == 0) return i;
  return -1;
}

int TvgWideStrings::IndexOfName(const std::wstring& Name) const {
  for (int i = 0; i < GetCount(); ++i) {
    std::wstring line = Get(i);
    size_t equals = line.find(L'=');
    if (equals != std::wstring::npos && CompareStrings(line.substr(0, equals), Name) == 0) return i;
  }
  return -1;
}

int TvgWideStrings::IndexOfValue(const std::wstring& Value) const {
  for (int i = 0; i < GetCount(); ++i) {
    std::wstring line = Get(i);
    size_t equals = line.find(L'=');
    if (equals != std::wstring::npos && CompareStrings(line.substr(equals + 1), Value) == 0) return i;
  }
  return -1;
}

std::wstring TvgWideStrings::GetName(int Index) const {
  std::wstring line = Get(Index);
  size_t equals = line.find(L'=');
  return equals == std::wstring::npos ? std::wstring() : line.substr(0, equals);
}

std::wstring TvgWideStrings::GetValue(const std::wstring& Name) const {
  int index = IndexOfName(Name);
  if (index < 0) return {};
  std::wstring line = Get(index);
  return Name.size() + 1 < line.size() ? line.substr(Name.size() + 1) : std::wstring();
}

void TvgWideStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  // Both indexes are checked before the line leaves, so a bad target loses nothing.
  for (int index : {CurIndex, NewIndex})
    if (index < 0 || index >= GetCount()) ThrowListIndexError(index);
  InsideUpdate(*this, [&] {
    std::wstring text = Get(CurIndex);
    TObject* object = GetObject(CurIndex);
    Delete(CurIndex);
    Insert(NewIndex, text);
    PutObject(NewIndex, object);
  });
}

void TvgWideStrings::LoadFromFile(const std::string& FileName) {
  try {
    TFileStream file(FileName, fmOpenRead | fmShareDenyNone);
    LoadFromStream(file);
  } catch (const Exception&) {
  }
}

void TvgWideStrings::LoadFromStream(TStream& Stream) {
  InsideUpdate(*this, [&] {
    int64_t remaining = Stream.Remaining();
    uint8_t mark[2] = {};
    int64_t got = Stream.Read(mark, 2);
    std::wstring text;
    if (got == 2 && ((mark[0] == 0xFF && mark[1] == 0xFE) || (mark[0] == 0xFE && mark[1] == 0xFF))) {
      text.resize(size_t((remaining - 2) / 2));
      Stream.ReadBuffer(text.data(), int64_t(text.size()) * 2);
    } else {
      Stream.Seek(-got, soFromCurrent);
      std::string bytes(size_t(remaining), '\0');
      Stream.ReadBuffer(bytes.data(), remaining);
      text = AnsiToWide(bytes);
    }
    SetTextStr(text);
  });
}

void TvgWideStrings::SaveToStream(TStream& Stream) {
  static const uint8_t kByteOrderMark[2] = {0xFF, 0xFE};
  Stream.WriteBuffer(kByteOrderMark, 2);
  std::wstring text = GetTextStr();
  Stream.WriteBuffer(text.data(), int64_t(text.size()) * 2);
}

void TvgWideStrings::SaveToFile(const std::string& FileName) {
  TFileStream file(FileName, fmCreate);
  SaveToStream(file);
}

void TvgWideStrings::SaveToFileAnsi(const std::string& FileName) {
  TFileStream file(FileName, fmCreate);
  std::string text = WideToAnsi(GetTextStr());
  file.WriteBuffer(text.data(), int64_t(text.size()));
}

void TvgWideStrings::BeginUpdate() {
  if (updateCount_ == 0) SetUpdateState(true);
  ++updateCount_;
}

void TvgWideStrings::EndUpdate() {
  if (updateCount_ == 0) return;
  if (--updateCount_ == 0) SetUpdateState(false);
}

void TvgWideStrings::Assign(TPersistent* Source) {
  if (Source == this) return;
  if (auto* wide = dynamic_cast<TvgWideStrings*>(Source)) {
    return InsideUpdate(*this, [&] {
      Clear();
      AddWideStrings(wide);
    });
  }
  if (auto* narrow = dynamic_cast<TStringList*>(Source)) {
    return InsideUpdate(*this, [&] {
      Clear();
      AddStrings(narrow);
    });
  }
  TPersistent::Assign(Source);
}

void TvgWideStrings::AssignTo(TPersistent* Dest) {
  if (auto* wide = dynamic_cast<TvgWideStrings*>(Dest)) return wide->Assign(this);
  if (auto* narrow = dynamic_cast<TStringList*>(Dest)) {
    narrow->Clear();
    for (int i = 0; i < GetCount(); ++i) narrow->AddObject(WideToAnsi(Get(i)), GetObject(i));
    return;
  }
  TPersistent::AssignTo(Dest);
}

void TvgWideStrings::DefineProperties(TFiler& Filer) {
  Filer.DefineProperty(
      "strings",
      [this](TReader& reader) {
        InsideUpdate(*this, [&] {
          Clear();
          reader.ReadListBegin();
          while (!reader.EndOfList()) Add(reader.ReadWideString());
          reader.ReadListEnd();
        });
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (int i = 0; i < GetCount(); ++i) writer.WriteWideString(Get(i));
        writer.WriteListEnd();
      },
      GetCount() > 0);
}

// --- TvgWideStringList -----------------------------------------------------------------------

TvgWideStringList::~TvgWideStringList() {
  OnChange = nullptr;
  OnChanging = nullptr;
}

void TvgWideStringList::CheckIndex(int index, int count) const {
  if (index < 0 || index >= count) ThrowListIndexError(index);
}

void TvgWideStringList::Changing() {
  if (!Updating()) OnChanging(this);
}

void TvgWideStringList::Changed() {
  if (!Updating()) OnChange(this);
}

void TvgWideStringList::SetUpdateState(bool Updating) { Updating ? Changing() : Changed(); }

std::wstring TvgWideStringList::Get(int Index) const {
  return Index >= 0 && Index < GetCount() ? items_[size_t(Index)].FString : std::wstring();
}

TObject* TvgWideStringList::GetObject(int Index) const {
  CheckIndex(Index, GetCount());
  return items_[size_t(Index)].FObject;
}

void TvgWideStringList::Put(int Index, const std::wstring& Text) {
  CheckIndex(Index, GetCount());
  Changing();
  items_[size_t(Index)].FString = Text;
  Changed();
}

void TvgWideStringList::PutObject(int Index, TObject* Object) {
  CheckIndex(Index, GetCount());
  Changing();
  items_[size_t(Index)].FObject = Object;
  Changed();
}

void TvgWideStringList::SetCapacity(int NewCapacity) {
  if (NewCapacity < GetCount()) throw EListError("List capacity out of bounds (" + std::to_string(NewCapacity) + ")");
  capacity_ = NewCapacity;
  items_.reserve(size_t(capacity_));
}

// A quarter more above 64 lines, 16 more above 8, else 4 more.
void TvgWideStringList::Grow() {
  int delta = capacity_ > 64 ? capacity_ / 4 : capacity_ > 8 ? 16 : 4;
  SetCapacity(capacity_ + delta);
}

void TvgWideStringList::Insert(int Index, const std::wstring& Text) {
  CheckIndex(Index, GetCount() + 1);
  Changing();
  if (GetCount() == capacity_) Grow();
  items_.insert(items_.begin() + Index, TWideStringItem{Text, nullptr});
  Changed();
}

void TvgWideStringList::Delete(int Index) {
  CheckIndex(Index, GetCount());
  Changing();
  items_.erase(items_.begin() + Index);
  Changed();
}

void TvgWideStringList::Exchange(int Index1, int Index2) {
  CheckIndex(Index1, GetCount());
  CheckIndex(Index2, GetCount());
  Changing();
  std::swap(items_[size_t(Index1)], items_[size_t(Index2)]);
  Changed();
}

void TvgWideStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  std::vector<TWideStringItem>().swap(items_);
  capacity_ = 0;
  Changed();
}

// The locale's wide comparison first; the ASCII comparison of the 8-bit forms breaks its ties.
int TvgWideStringList::SortCompare(const TWideStringItem& a, const TWideStringItem& b) const {
  int result = vgWideCompareText(a.FString, b.FString);
  return result != 0 ? result : CompareText(WideToAnsi(a.FString), WideToAnsi(b.FString));
}

void TvgWideStringList::QuickSort(int left, int right) {
  int i;
  do {
    i = left;
    int j = right;
    int pivot = (left + right) / 2;
    do {
      while (SortCompare(items_[size_t(i)], items_[size_t(pivot)]) < 0) ++i;
      while (SortCompare(items_[size_t(j)], items_[size_t(pivot)]) > 0) --j;
      if (i <= j) {
        std::swap(items_[size_t(i)], items_[size_t(j)]);
        if (pivot == i) pivot = j;
        else if (pivot == j) pivot = i;
        ++i;
        --j;
      }
    } while (i <= j);
    if (left < j) QuickSort(left, j);
    left = i;
  } while (i < right);
}

void TvgWideStringList::Sort() {
  if (GetCount() < 2) return;
  Changing();
  QuickSort(0, GetCount() - 1);
  Changed();
}
