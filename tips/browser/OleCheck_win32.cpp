#include "tips/browser/OleCheck.h"

#include <string>

#include "classlib/core/SysUtils.h"

void OleCheck(HRESULT status) {
  if (SUCCEEDED(status)) return;
  char text[512] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                      static_cast<DWORD>(status), 0, text, sizeof text, nullptr);
  std::string message(text, length);
  while (!message.empty() && (message.back() == '\r' || message.back() == '\n')) message.pop_back();
  if (message.empty()) message = Format("OLE error %08lX", static_cast<unsigned long>(status));
  throw EOleSysError(message, status);
}
