#pragma once
// The system clipboard as text and as a picture. Reading takes CF_UNICODETEXT, else the 8-bit
// CF_TEXT widened through the system code page, and never reads beyond the memory block's size: a
// block without a terminating zero gives its whole contents and no more.
#include <string>

class TBitmap;

class TClipboard {
public:
  // CF_UNICODETEXT when present, else the 8-bit CF_TEXT widened through the system code page. Read
  // no further than the block's size (GlobalSize), whether or not a terminating zero comes first.
  std::wstring AsText() const;
  std::string AsAnsiText() const;              // CF_TEXT (also synthesised by the system), bounded the same way
  void SetAsText(const std::wstring& text);    // CF_UNICODETEXT; raises on failure, freeing the block
  bool HasFormat(unsigned format) const;
  // The picture (CF_DIBV5 or CF_DIB, which the system also makes from a CF_BITMAP) into a 32-bit
  // device-independent bitmap of premultiplied pixels. False, the bitmap untouched, when there is
  // none or its block is short or inconsistent: nothing is read beyond the block's size.
  bool AsBitmap(TBitmap& bitmap) const;
};
TClipboard& Clipboard();
