#pragma once
// The class library's list of 8-bit lines, each with an optional object; streamed as "Strings".
#include <string>
#include <vector>

#include "classlib/core/Event.h"
#include "classlib/core/Persistent.h"

class TStringList : public TPersistent {
  CL_CLASS(TStringList, TPersistent)
public:
  int Count() const { return int(lines_.size()); }
  const std::string& Strings(int index) const;  // EListError when out of range
  void SetStrings(int index, const std::string& line);
  TObject* Objects(int index) const;
  int Add(const std::string& line) { return AddObject(line, nullptr); }
  int AddObject(const std::string& line, TObject* object);
  void Insert(int index, const std::string& line);
  void Delete(int index);
  void Clear();
  int IndexOf(const std::string& line) const;  // case-insensitive, -1 when absent
  // Lines joined with CR LF after each; setting splits at CR LF, LF or CR.
  std::string Text() const;
  void SetText(const std::string& text);
  void Assign(TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;

  // After every change of the lines; setting the text, assigning and reading from a stream
  // each count as one change.
  TNotifyEvent OnChange;

private:
  struct Line {
    std::string Text;
    TObject* Object;
  };
  const Line& At(int index) const;
  std::vector<Line> lines_;
};
