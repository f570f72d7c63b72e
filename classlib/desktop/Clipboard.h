#pragma once
// TClipboard: the system clipboard's texts. Reading never goes past the end of the clipboard's
// memory block, whether or not a terminating zero comes first; a missing or unreadable format
// reads as an empty text.
#include <string>

class TClipboard {
public:
  // CF_UNICODETEXT when present, else the 8-bit CF_TEXT widened through the system code page.
  std::wstring AsText() const;
  std::string AsAnsiText() const;  // CF_TEXT (also synthesised by the system), bounded the same way
  // Puts the text on the clipboard as CF_UNICODETEXT; raises on failure, freeing the block.
  void SetAsText(const std::wstring& text);
  bool HasFormat(unsigned format) const;
};

TClipboard& Clipboard();
