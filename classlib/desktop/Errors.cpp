#include "classlib/desktop/Errors.h"

#include "classlib/desktop/Win32.h"

#include "classlib/core/TextCodec.h"

void RaiseLastOSError() {
  const DWORD code = GetLastError();
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                          FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring systemText = length ? std::wstring(text, length) : std::wstring();
  if (text) LocalFree(text);
  while (!systemText.empty() && (systemText.back() == L'\n' || systemText.back() == L'\r')) systemText.pop_back();
  throw EOSError(Format("System Error.  Code: %lu.\n", code) + Utf16ToGbk(systemText), code);
}
