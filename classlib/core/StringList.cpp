#include "classlib/core/StringList.h"

#include "classlib/core/Reader.h"
#include "classlib/core/SysUtils.h"
#include "classlib/core/Writer.h"

CL_PUBLISHED(TStringList) {}

const TStringList::Line& TStringList::At(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", index));
  return lines_[size_t(index)];
}

const std::string& TStringList::Strings(int index) const { return At(index).Text; }

void TStringList::SetStrings(int index, const std::string& line) {
  At(index);
  lines_[size_t(index)].Text = line;
  OnChange(this);
}

TObject* TStringList::Objects(int index) const { return At(index).Object; }

int TStringList::AddObject(const std::string& line, TObject* object) {
  lines_.push_back({line, object});
  OnChange(this);
  return Count() - 1;
}

void TStringList::Insert(int index, const std::string& line) {
  if (index < 0 || index > Count()) throw EListError(Format("List index out of bounds (%d)", index));
  lines_.insert(lines_.begin() + index, {line, nullptr});
  OnChange(this);
}

void TStringList::Delete(int index) {
  At(index);
  lines_.erase(lines_.begin() + index);
  OnChange(this);
}

void TStringList::Clear() {
  lines_.clear();
  OnChange(this);
}

int TStringList::IndexOf(const std::string& line) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(lines_[size_t(i)].Text, line)) return i;
  return -1;
}

std::string TStringList::Text() const {
  std::string text;
  for (const Line& l : lines_) text += l.Text + "\r\n";
  return text;
}

void TStringList::SetText(const std::string& text) {
  lines_.clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines_.push_back({text.substr(start, end - start), nullptr});
    if (end < text.size() && text[end] == '\r') ++end;
    if (end < text.size() && text[end] == '\n') ++end;
    start = end;
  }
  OnChange(this);
}

void TStringList::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TStringList*>(source);
  if (!other) return TPersistent::Assign(source);
  lines_ = other->lines_;
  OnChange(this);
}

void TStringList::DefineProperties(TFiler& filer) {
  filer.DefineProperty(
      "Strings",
      [this](TReader& reader) {
        std::vector<Line> lines;
        reader.ReadListBegin();
        while (!reader.EndOfList()) lines.push_back({reader.ReadString(), nullptr});
        reader.ReadListEnd();
        lines_ = std::move(lines);
        OnChange(this);
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (const Line& l : lines_) writer.WriteString(l.Text);
        writer.WriteListEnd();
      },
      Count() > 0);
}
