#pragma once
#include <array>
#include <cstdint>
#include <string>

// MD5 (RFC 1321) of byte strings, for the signature of the tips service call.
using TMD5Digest = std::array<std::uint8_t, 16>;

TMD5Digest MD5OfString(const std::string& text);

// The digest's bytes in order, two upper-case hexadecimal digits each, high nibble first.
std::string MD5ToHex(const TMD5Digest& digest);
