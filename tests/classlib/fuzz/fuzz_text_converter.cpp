// Converts arbitrary bytes as an object text. Malformed text may only raise EParserError; text that
// converts must give a binary stream that converts to text and back to the very same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "classlib/core/ObjectText.h"
#include "classlib/core/StreamErrors.h"
#include "classlib/core/StringStream.h"

namespace {

std::string ToBinary(const std::string& text) {
  TStringStream in(text), out;
  ObjectTextToBinary(in, out);
  return out.DataString();
}

std::string ToText(const std::string& binary) {
  TStringStream in(binary), out;
  ObjectBinaryToText(in, out);
  return out.DataString();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string binary;
  try {
    binary = ToBinary(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const EParserError&) {
    return 0;
  }
  std::string text = ToText(binary);
  if (ToBinary(text) != binary) {
    std::fprintf(stderr, "binary -> text -> binary changed the bytes; text:\n%s\n", text.c_str());
    std::abort();
  }
  return 0;
}
