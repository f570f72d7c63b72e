#include "tips/browser/PageCommand.h"

#include "classlib/desktop/Win32.h"

#include "classlib/core/TextCodec.h"

std::string PageCommand(IHtmlEventObj& event) {
  std::wstring className = event.SrcElementClassName();
  if (!className.empty()) CharUpperBuffW(className.data(), DWORD(className.size()));
  return Utf16ToGbk(className);
}
