#include "classlib/desktop/Clipboard.h"

#include <cstring>

#include "classlib/desktop/Errors.h"
#include "classlib/desktop/UtilWindow.h"
#include "classlib/desktop/Win32.h"

namespace {

// Opens the clipboard for the scope; another program may hold it, so opening can fail.
class TOpenClipboard {
public:
  explicit TOpenClipboard(HWND owner = nullptr) : open_(OpenClipboard(owner) != 0) {}
  ~TOpenClipboard() {
    if (open_) CloseClipboard();
  }
  bool IsOpen() const { return open_; }

private:
  bool open_;
};

// The characters of a clipboard block up to its first zero, never beyond the block's size.
template <class Char>
std::basic_string<Char> ReadBlock(UINT format) {
  TOpenClipboard clipboard;
  if (!clipboard.IsOpen()) return {};
  HANDLE block = GetClipboardData(format);
  if (!block) return {};
  const SIZE_T count = GlobalSize(block) / sizeof(Char);
  const auto* chars = static_cast<const Char*>(GlobalLock(block));
  if (!chars) return {};
  SIZE_T length = 0;
  while (length < count && chars[length] != 0) ++length;
  std::basic_string<Char> text(chars, length);
  GlobalUnlock(block);
  return text;
}

// Data put on the clipboard needs an owner window: emptying it for a null owner makes the
// system refuse the data.
HWND ClipboardOwner() {
  static TUtilWindow owner([](TMessage&) { return false; });
  return owner.Handle();
}

std::wstring WidenFromCodePage(const std::string& text) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring wide(size_t(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), length);
  return wide;
}

}  // namespace

std::wstring TClipboard::AsText() const {
  if (HasFormat(CF_UNICODETEXT)) return ReadBlock<wchar_t>(CF_UNICODETEXT);
  return WidenFromCodePage(AsAnsiText());
}

std::string TClipboard::AsAnsiText() const { return ReadBlock<char>(CF_TEXT); }

bool TClipboard::HasFormat(unsigned format) const { return IsClipboardFormatAvailable(format) != 0; }

void TClipboard::SetAsText(const std::wstring& text) {
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes);
  if (!block) RaiseLastOSError();
  if (void* memory = GlobalLock(block)) {
    std::memcpy(memory, text.c_str(), bytes);
    GlobalUnlock(block);
  } else {
    GlobalFree(block);
    RaiseLastOSError();
  }
  TOpenClipboard clipboard(ClipboardOwner());
  if (!clipboard.IsOpen() || !EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, block)) {
    const DWORD error = GetLastError();
    GlobalFree(block);
    SetLastError(error);
    RaiseLastOSError();
  }
}

TClipboard& Clipboard() {
  static TClipboard clipboard;
  return clipboard;
}
