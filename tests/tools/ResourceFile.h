#pragma once
#include "classlib/desktop/Win32.h"
#include <optional>
#include <string>
#include <vector>

// One resource of a program file, read and rewritten in place (the build tools' only platform part).
struct TResourceData {
  std::string Bytes;
  WORD Language = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
};

// The resource of the given type and name in the file; nothing when the file has none.
std::optional<TResourceData> ReadResource(const std::string& file, LPCSTR type, LPCSTR name);
// Replaces every language of the resource by `data` (in `data.Language`); false with a message on failure.
bool WriteResource(const std::string& file, LPCSTR type, LPCSTR name, const TResourceData& data, std::string& error);
