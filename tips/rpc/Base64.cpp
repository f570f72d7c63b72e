#include "tips/rpc/Base64.h"

#include <cstdint>

namespace {

constexpr int NotInAlphabet = -1;

int SextetOf(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  if (c == '=') return 0;
  return NotInAlphabet;
}

std::string SextetsOf(const std::string& input) {
  std::string sextets;
  sextets.reserve(input.size());
  for (char c : input) {
    const int value = SextetOf(c);
    if (value != NotInAlphabet) sextets.push_back(static_cast<char>(value));
  }
  return sextets;
}

}  // namespace

void DecodeBase64(const std::string& input, std::string& output, bool trimTrailingZeros) {
  if (input.empty()) return;
  const std::string sextets = SextetsOf(input);
  output.assign(sextets.size() * 3 / 4, '\0');
  for (std::size_t group = 0; group < sextets.size() / 4; ++group) {
    const auto* s = reinterpret_cast<const std::uint8_t*>(sextets.data()) + group * 4;
    output[group * 3] = static_cast<char>((s[0] << 2) | (s[1] >> 4));
    output[group * 3 + 1] = static_cast<char>(((s[1] << 4) | (s[2] >> 2)) & 0xFF);
    output[group * 3 + 2] = static_cast<char>(((s[2] << 6) | s[3]) & 0xFF);
  }
  if (trimTrailingZeros) {
    const auto end = output.find_last_not_of('\0');
    output.resize(end == std::string::npos ? 0 : end + 1);
  }
}
