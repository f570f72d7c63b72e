// Reads arbitrary bytes as the body of an Hprose reply. Malformed replies may only raise
// EHproseFormatError. A text result, written back as a reply the way the client writes texts,
// reads back as the same text; every result but a list or map is a Variant.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "classlib/core/SysUtils.h"
#include "tips/rpc/HproseErrors.h"
#include "tips/rpc/HproseReader.h"
#include "tips/rpc/HproseWriter.h"

namespace {

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

// "R", the text as a call writes its one argument ("s" length '"' UTF-8 '"'), "z".
std::string TextReply(const std::wstring& text) {
  const std::string call = EncodeHproseCall(L"f", {text});
  const std::string_view list = "a1{";
  const size_t start = call.find(list) + list.size();
  return "R" + call.substr(start, call.size() - start - 2) + "z";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  HproseReply reply;
  try {
    reply = ReadHproseReply(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const EHproseFormatError&) {
    return 0;
  }
  if (reply.IsError) return 0;
  const HproseValue::Kind kind = reply.Result.GetKind();
  if (kind != HproseValue::Kind::List && kind != HproseValue::Kind::Map) (void)ToVariant(reply.Result);
  if (kind == HproseValue::Kind::String) {
    const HproseReply again = ReadHproseReply(TextReply(reply.Result.AsString()));
    Require(!again.IsError && again.Result == reply.Result, "a text result written back reads otherwise");
  }
  return 0;
}
