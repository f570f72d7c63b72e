#include "classlib/desktop/Clipboard.h"

#include "classlib/desktop/Win32.h"

#include <cstring>
#include <memory>
#include <optional>

#include "classlib/core/DibBlock.h"
#include "classlib/desktop/Bitmap.h"
#include "classlib/desktop/Errors.h"
#include "classlib/desktop/UtilWindow.h"

namespace {

// The window that owns what this process puts on the clipboard (a clipboard opened without a
// window cannot take data on every system).
HWND ClipboardOwner() {
  static TUtilWindow window([](TMessage&) { return false; });
  return window.Handle();
}

// Open for the scope. Another program may hold the clipboard for a moment, so opening is retried
// briefly before giving up.
class TOpenClipboard {
public:
  TOpenClipboard() {
    for (int attempt = 0; attempt < 20 && !open_; ++attempt) {
      open_ = OpenClipboard(ClipboardOwner()) != FALSE;
      if (!open_) Sleep(10);
    }
  }
  ~TOpenClipboard() {
    if (open_) CloseClipboard();
  }
  TOpenClipboard(const TOpenClipboard&) = delete;
  TOpenClipboard& operator=(const TOpenClipboard&) = delete;
  bool IsOpen() const { return open_; }

private:
  bool open_ = false;
};

// The characters of a clipboard block up to its first zero, never beyond the block's size.
template <class Char>
std::basic_string<Char> ReadBlock(UINT format) {
  HANDLE block = GetClipboardData(format);
  if (!block) return {};
  const SIZE_T capacity = GlobalSize(block) / sizeof(Char);
  const auto* chars = static_cast<const Char*>(GlobalLock(block));
  if (!chars) return {};
  SIZE_T length = 0;
  while (length < capacity && chars[length] != 0) ++length;
  std::basic_string<Char> text(chars, length);
  GlobalUnlock(block);
  return text;
}

std::wstring Widen(const std::string& text) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring wide(size_t(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), length);
  return wide;
}

std::optional<TDibPixels> ReadPicture(UINT format) {
  HANDLE block = GetClipboardData(format);
  if (!block) return std::nullopt;
  const SIZE_T size = GlobalSize(block);
  const auto* bytes = static_cast<const uint8_t*>(GlobalLock(block));
  if (!bytes) return std::nullopt;
  std::optional<TDibPixels> picture = DecodeDibBlock({bytes, size_t(size)});
  GlobalUnlock(block);
  return picture;
}

struct TGlobalFree {
  void operator()(void* block) const { GlobalFree(block); }
};

}  // namespace

std::wstring TClipboard::AsText() const {
  TOpenClipboard open;
  if (!open.IsOpen()) return {};
  if (IsClipboardFormatAvailable(CF_UNICODETEXT)) return ReadBlock<wchar_t>(CF_UNICODETEXT);
  return Widen(ReadBlock<char>(CF_TEXT));
}

std::string TClipboard::AsAnsiText() const {
  TOpenClipboard open;
  if (!open.IsOpen()) return {};
  return ReadBlock<char>(CF_TEXT);
}

void TClipboard::SetAsText(const std::wstring& text) {
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  std::unique_ptr<void, TGlobalFree> block(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes));
  if (!block) RaiseLastOSError();
  void* target = GlobalLock(block.get());
  if (!target) RaiseLastOSError();
  std::memcpy(target, text.c_str(), bytes);
  GlobalUnlock(block.get());
  TOpenClipboard open;
  if (!open.IsOpen()) RaiseLastOSError();
  EmptyClipboard();
  if (!SetClipboardData(CF_UNICODETEXT, block.get())) RaiseLastOSError();
  block.release();  // the clipboard owns it now
}

bool TClipboard::AsBitmap(TBitmap& bitmap) const {
  std::optional<TDibPixels> picture;
  {
    TOpenClipboard open;
    if (!open.IsOpen()) return false;
    const UINT format = IsClipboardFormatAvailable(CF_DIBV5) ? CF_DIBV5 : CF_DIB;
    picture = ReadPicture(format);
  }
  if (!picture) return false;
  bitmap.SetPixelFormat(pf32bit);
  bitmap.SetSize(picture->Width, picture->Height);
  const size_t rowBytes = size_t(picture->Width) * sizeof(uint32_t);
  for (int y = 0; y < picture->Height; ++y)
    std::memcpy(bitmap.ScanLine(y), picture->Pixels.data() + size_t(y) * size_t(picture->Width), rowBytes);
  return true;
}

bool TClipboard::HasFormat(unsigned format) const { return IsClipboardFormatAvailable(format) != FALSE; }

TClipboard& Clipboard() {
  static TClipboard clipboard;
  return clipboard;
}
