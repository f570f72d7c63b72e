#pragma once
// The system clipboard as text. Reading takes CF_UNICODETEXT, else the 8-bit CF_TEXT widened
// through the system code page, and never reads beyond the memory block's size: a block without
// a terminating zero gives its whole contents and no more.
#include <string>

class TClipboard {
public:
  // CF_UNICODETEXT when present, else the 8-bit CF_TEXT widened through the system code page. Read
  // no further than the block's size (GlobalSize), whether or not a terminating zero comes first.
  std::wstring AsText() const;
  std::string AsAnsiText() const;              // CF_TEXT (also synthesised by the system), bounded the same way
  void SetAsText(const std::wstring& text);    // CF_UNICODETEXT; raises on failure, freeing the block
  bool HasFormat(unsigned format) const;
};
TClipboard& Clipboard();
