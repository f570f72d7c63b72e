#include "tips/browser/HtmlParse.h"

#include "classlib/core/TextCodec.h"
#include "classlib/core/SysUtils.h"
#include "tips/browser/EmbeddedWB.h"

std::string GetElementAttribute(TEmbeddedWB& browser, const std::string& id, const std::string& attr) {
  const auto value = browser.TopElementAttribute(GbkToUtf16(id), GbkToUtf16(attr));
  return value ? Trim(Utf16ToGbk(*value)) : std::string();
}
