#pragma once
#include <string>
#include <string_view>

#include "tips/rpc/HproseValue.h"

// The body of a reply: either the function's result or the server's error text.
struct HproseReply {
  bool IsError = false;
  HproseValue Result;
  std::wstring ErrorMessage;
};

// Reads a complete reply ("R" value ["A" list] "z", or "E" string "z") and resolves references.
// Anything else (empty, truncated, malformed, trailing bytes, values of kinds this client does
// not read) raises EHproseFormatError; nothing is guessed.
HproseReply ReadHproseReply(std::string_view body);
