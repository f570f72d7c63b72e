#include "tips/rpc/Md5.h"

#include <algorithm>
#include <cstring>

namespace {

// Chaining words, the 64-bit bit count (low half first) and the partial block.
struct Md5Context {
  std::uint32_t state[4] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476};
  std::uint32_t bitCount[2] = {0, 0};
  std::uint8_t buffer[64] = {};
};

constexpr std::uint32_t kSine[64] = {
    0xD76AA478, 0xE8C7B756, 0x242070DB, 0xC1BDCEEE, 0xF57C0FAF, 0x4787C62A, 0xA8304613, 0xFD469501,
    0x698098D8, 0x8B44F7AF, 0xFFFF5BB1, 0x895CD7BE, 0x6B901122, 0xFD987193, 0xA679438E, 0x49B40821,
    0xF61E2562, 0xC040B340, 0x265E5A51, 0xE9B6C7AA, 0xD62F105D, 0x02441453, 0xD8A1E681, 0xE7D3FBC8,
    0x21E1CDE6, 0xC33707D6, 0xF4D50D87, 0x455A14ED, 0xA9E3E905, 0xFCEFA3F8, 0x676F02D9, 0x8D2A4C8A,
    0xFFFA3942, 0x8771F681, 0x6D9D6122, 0xFDE5380C, 0xA4BEEA44, 0x4BDECFA9, 0xF6BB4B60, 0xBEBFBC70,
    0x289B7EC6, 0xEAA127FA, 0xD4EF3085, 0x04881D05, 0xD9D4D039, 0xE6DB99E5, 0x1FA27CF8, 0xC4AC5665,
    0xF4292244, 0x432AFF97, 0xAB9423A7, 0xFC93A039, 0x655B59C3, 0x8F0CCC92, 0xFFEFF47D, 0x85845DD1,
    0x6FA87E4F, 0xFE2CE6E0, 0xA3014314, 0x4E0811A1, 0xF7537E82, 0xBD3AF235, 0x2AD7D2BB, 0xEB86D391};

constexpr int kShift[64] = {7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
                            5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20,
                            4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
                            6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21};

std::uint32_t RotateLeft(std::uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }

void Transform(std::uint32_t state[4], const std::uint8_t block[64]) {
  std::uint32_t words[16];
  for (int i = 0; i < 16; ++i) {
    words[i] = block[i * 4] | (block[i * 4 + 1] << 8) | (block[i * 4 + 2] << 16) |
               (static_cast<std::uint32_t>(block[i * 4 + 3]) << 24);
  }
  std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
  for (int i = 0; i < 64; ++i) {
    std::uint32_t f;
    int word;
    if (i < 16) {
      f = (b & c) | (~b & d);
      word = i;
    } else if (i < 32) {
      f = (d & b) | (~d & c);
      word = (5 * i + 1) % 16;
    } else if (i < 48) {
      f = b ^ c ^ d;
      word = (3 * i + 5) % 16;
    } else {
      f = c ^ (b | ~d);
      word = (7 * i) % 16;
    }
    const std::uint32_t rotated = RotateLeft(a + f + kSine[i] + words[word], kShift[i]);
    a = d;
    d = c;
    c = b;
    b += rotated;
  }
  state[0] += a;
  state[1] += b;
  state[2] += c;
  state[3] += d;
}

void Update(Md5Context& context, const std::uint8_t* data, std::size_t length) {
  std::size_t used = (context.bitCount[0] >> 3) & 63;
  const std::uint64_t bits = (static_cast<std::uint64_t>(context.bitCount[1]) << 32 | context.bitCount[0]) +
                             static_cast<std::uint64_t>(length) * 8;
  context.bitCount[0] = static_cast<std::uint32_t>(bits);
  context.bitCount[1] = static_cast<std::uint32_t>(bits >> 32);
  while (length > 0) {
    const std::size_t take = std::min(length, 64 - used);
    std::memcpy(context.buffer + used, data, take);
    used += take;
    data += take;
    length -= take;
    if (used == 64) {
      Transform(context.state, context.buffer);
      used = 0;
    }
  }
}

// The context held message bytes; clear it so they do not linger on the stack.
void Wipe(Md5Context& context) {
  volatile std::uint8_t* bytes = reinterpret_cast<volatile std::uint8_t*>(&context);
  for (std::size_t i = 0; i < sizeof(context); ++i) bytes[i] = 0;
}

TMD5Digest Final(Md5Context& context) {
  std::uint8_t lengthBytes[8];
  for (int i = 0; i < 8; ++i) lengthBytes[i] = static_cast<std::uint8_t>(context.bitCount[i / 4] >> (8 * (i % 4)));
  const std::size_t used = (context.bitCount[0] >> 3) & 63;
  const std::size_t padding = used < 56 ? 56 - used : 120 - used;
  static const std::uint8_t kPadding[64] = {0x80};
  Update(context, kPadding, padding);
  Update(context, lengthBytes, 8);
  TMD5Digest digest;
  for (int i = 0; i < 16; ++i) digest[i] = static_cast<std::uint8_t>(context.state[i / 4] >> (8 * (i % 4)));
  Wipe(context);
  return digest;
}

}  // namespace

TMD5Digest MD5OfString(const std::string& text) {
  Md5Context context;
  Update(context, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  return Final(context);
}

std::string MD5ToHex(const TMD5Digest& digest) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  hex.reserve(32);
  for (std::uint8_t byte : digest) {
    hex.push_back(kDigits[byte >> 4]);
    hex.push_back(kDigits[byte & 15]);
  }
  return hex;
}
