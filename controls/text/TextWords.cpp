#include "controls/text/TextWords.h"

#include <algorithm>

namespace {

bool IsSpace(wchar_t c) { return c == L' '; }

int Clamped(const std::wstring& text, int pos) { return std::clamp(pos, 0, int(text.size())); }

}  // namespace

int vgWordRight(const std::wstring& text, int pos) {
  const int length = int(text.size());
  int i = pos;
  bool previousSpace = false, seenWord = false;
  while (i + 2 <= length) {
    const wchar_t c = text[size_t(i)];
    if (!IsSpace(c) && previousSpace && seenWord) break;
    previousSpace = IsSpace(c);
    seenWord = seenWord || !IsSpace(c);
    ++i;
  }
  return previousSpace ? i : i + 1;
}

int vgWordLeft(const std::wstring& text, int pos) {
  int i = pos;
  bool seenWord = false;
  while (i > 0) {
    const wchar_t c = text[size_t(i - 1)];
    if (IsSpace(c) && seenWord) break;
    if (!IsSpace(c)) seenWord = true;
    --i;
  }
  return i;
}

int vgWordStartAt(const std::wstring& text, int pos) {
  int i = Clamped(text, pos);
  while (i > 0 && !IsSpace(text[size_t(i - 1)])) --i;
  return i;
}

int vgWordEndAt(const std::wstring& text, int pos) {
  int i = Clamped(text, pos);
  while (i < int(text.size()) && !IsSpace(text[size_t(i)])) ++i;
  return i;
}
