#include "up/VersionNumber.h"
#include "classlib/core/SysUtils.h"
#include <vector>

namespace {

constexpr uint32_t kUnreadableVersion = 16777216; // 1.0.0.0

// Lines as a string list splits them: CR, LF or CR LF end a line; a final break adds no empty line.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return lines;
}

bool IsDecimal(const std::string& text) {
  size_t digits = text.size() > 1 && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  if (digits == text.size()) return false;
  for (; digits < text.size(); ++digits)
    if (text[digits] < '0' || text[digits] > '9') return false;
  return true;
}

} // namespace

uint32_t VersionNumber(const std::string& text) {
  std::string broken;
  for (char c : text) broken += c == '.' ? std::string("\r\n") : std::string(1, c);
  const std::vector<std::string> parts = Lines(broken);
  if (parts.size() != 4) return kUnreadableVersion;
  uint32_t packed = 0;
  for (size_t i = 0; i < 4; ++i) {
    int32_t number = 0;
    if (!IsDecimal(parts[i]) || !TryStrToInt(parts[i], number)) return kUnreadableVersion;
    packed += static_cast<uint32_t>(number) << (8 * (3 - i));
  }
  return packed;
}
