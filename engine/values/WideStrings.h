#pragma once
// Lists of 16-bit texts, each with an object reference, for the controls that show lines (list
// and combo boxes, the memo, grid columns). TvgWideStrings holds the text operations over a few
// primitives; TvgWideStringList is the one concrete list. Texts compare case-insensitively by the
// user locale's rules. Component streams carry the lines as the list property "strings".
#include <string>
#include <vector>

#include "classlib/core/Persistent.h"

class TStream;
class TStringList;

class TvgWideStrings : public TPersistent {
  CL_CLASS(TvgWideStrings, TPersistent)
public:
  // Primitives; the base answers 0 or empty and changes nothing.
  virtual int CompareStrings(const std::wstring& A, const std::wstring& B) const;
  virtual std::wstring Get(int Index) const;
  virtual int GetCapacity() const { return GetCount(); }
  virtual int GetCount() const { return 0; }
  virtual TObject* GetObject(int Index) const;
  virtual std::wstring GetTextStr() const;  // every line followed by CR LF
  virtual void Put(int Index, const std::wstring& Text);
  virtual void PutObject(int Index, TObject* Object);
  virtual void SetCapacity(int NewCapacity);
  // Breaks at LF, VT, FF, CR (CR LF counts once), U+2028 and U+2029; NUL ends the text.
  virtual void SetTextStr(const std::wstring& Text);
  virtual void SetUpdateState(bool Updating);

  virtual int AddObject(const std::wstring& Text, TObject* Object);
  virtual void AddStrings(TStringList* List);  // 8-bit lines widened from the system code page
  virtual void AddWideStrings(TvgWideStrings* List);
  virtual void Exchange(int Index1, int Index2);
  virtual int IndexOf(const std::wstring& Text) const;
  virtual int IndexOfName(const std::wstring& Name) const;
  virtual int IndexOfValue(const std::wstring& Value) const;
  virtual void Insert(int Index, const std::wstring& Text);
  virtual void LoadFromFile(const std::string& FileName);  // failures leave the list as it was
  virtual void LoadFromStream(TStream& Stream);          // UTF-16 after FF FE / FE FF, else 8-bit
  virtual void Move(int CurIndex, int NewIndex);
  virtual void SaveToFile(const std::string& FileName);      // UTF-16 with FF FE
  virtual void SaveToFileAnsi(const std::string& FileName);  // system code page
  virtual void SaveToStream(TStream& Stream);
  virtual void SetText(const wchar_t* Text);
  virtual void Sort();
  virtual int Add(const std::wstring& Text);
  virtual void Delete(int Index);
  virtual void Clear();

  int Count() const { return GetCount(); }
  std::wstring Text() const { return GetTextStr(); }
  std::wstring GetName(int Index) const;  // the part before the first "="
  std::wstring GetValue(const std::wstring& Name) const;
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return updateCount_ > 0; }

  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler& Filer) override;

protected:
  void AssignTo(TPersistent* Dest) override;

private:
  int updateCount_ = 0;
};

struct TWideStringItem {
  std::wstring FString;
  TObject* FObject = nullptr;
};

class TvgWideStringList : public TvgWideStrings {
  CL_CLASS(TvgWideStringList, TvgWideStrings)
public:
  TvgWideStringList() = default;
  ~TvgWideStringList() override;

  std::wstring Get(int Index) const override;  // empty for a bad index
  int GetCapacity() const override { return capacity_; }
  int GetCount() const override { return int(items_.size()); }
  TObject* GetObject(int Index) const override;
  void Put(int Index, const std::wstring& Text) override;
  void PutObject(int Index, TObject* Object) override;
  void SetCapacity(int NewCapacity) override;
  void SetUpdateState(bool Updating) override;
  void Exchange(int Index1, int Index2) override;
  void Insert(int Index, const std::wstring& Text) override;
  void Sort() override;
  void Delete(int Index) override;
  void Clear() override;

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

protected:
  virtual void Changed();
  virtual void Changing();

private:
  void CheckIndex(int index, int count) const;
  void Grow();
  int SortCompare(const TWideStringItem& a, const TWideStringItem& b) const;
  void QuickSort(int left, int right);

  std::vector<TWideStringItem> items_;
  int capacity_ = 0;
};
