#pragma once
// Value types and object prefix flags of the binary component stream ("TPF0").
#include <cstdint>

enum TValueType : uint8_t {
  vaNull = 0,
  vaList = 1,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaExtended = 5,
  vaString = 6,
  vaIdent = 7,
  vaFalse = 8,
  vaTrue = 9,
  vaBinary = 10,
  vaSet = 11,
  vaLString = 12,
  vaNil = 13,
  vaCollection = 14,
  vaSingle = 15,
  vaCurrency = 16,
  vaDate = 17,
  vaWString = 18,
  vaInt64 = 19,
  vaUTF8String = 20,
};

// Low bits of the optional object prefix byte (high nibble F).
enum TFilerFlag : uint8_t { ffInherited = 1, ffChildPos = 2, ffInline = 4 };
using TFilerFlags = uint8_t;

// Lists, collections and objects nested deeper than this are rejected as a malformed stream.
inline constexpr int MaxNestingDepth = 256;
