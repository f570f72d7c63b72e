#include "tips/rpc/HproseWriter.h"

#include "classlib/core/TextCodec.h"

namespace {

// The length counts UTF-16 units; an unpaired surrogate goes as one U+FFFD, so it stays right.
void AppendString(std::string& out, const std::wstring& text) {
  if (text.empty()) {
    out.push_back('e');
    return;
  }
  out += 's' + std::to_string(text.size()) + '"' + Utf16ToUtf8(text) + '"';
}

}  // namespace

std::string EncodeHproseCall(const std::wstring& function, const std::vector<std::wstring>& arguments) {
  std::string request = "C";
  AppendString(request, function);
  if (!arguments.empty()) {
    request += 'a' + std::to_string(arguments.size()) + '{';
    for (const std::wstring& argument : arguments) AppendString(request, argument);
    request += '}';
  }
  request += 'z';
  return request;
}
