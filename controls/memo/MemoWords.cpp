#include "controls/memo/MemoWords.h"

int vgWordRight(const std::wstring& text, int pos) {
  const int length = int(text.size());
  int i = pos;
  bool prevSpace = false;
  while (i + 2 <= length) {
    const wchar_t c = text[size_t(i)];
    if (c != L' ' && prevSpace) break;
    prevSpace = c == L' ';
    ++i;
  }
  return prevSpace ? i : i + 1;
}

int vgWordLeft(const std::wstring& text, int pos) {
  int i = pos;
  bool seenWord = false;
  while (i > 0) {
    const wchar_t c = text[size_t(i - 1)];
    if (c == L' ' && seenWord) break;
    if (c != L' ') seenWord = true;
    --i;
  }
  return i;
}

int vgWordStartAt(const std::wstring& text, int pos) {
  int i = pos;
  while (i > 0 && text[size_t(i - 1)] != L' ') --i;
  return i;
}

int vgWordEndAt(const std::wstring& text, int pos) {
  int i = pos;
  while (i < int(text.size()) && text[size_t(i)] != L' ') ++i;
  return i;
}
