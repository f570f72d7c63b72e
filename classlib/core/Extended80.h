#pragma once
// The x87 80-bit extended float as stored in component streams (little-endian: 64-bit mantissa
// with an explicit integer bit, then sign and 15-bit biased exponent). Conversions work on the
// bits, so they are exact and do not depend on the host's long double.
#include <array>
#include <cstdint>

struct TExtended80 {
  std::array<uint8_t, 10> Bytes{};

  static TExtended80 Make(bool negative, uint16_t biasedExponent, uint64_t mantissa);
  static TExtended80 FromDouble(double value);  // exact
  static TExtended80 FromSingle(float value);   // exact
  double ToDouble() const;                      // rounded to nearest, ties to even
  float ToSingle() const;                       // rounded once, to nearest, ties to even

  uint64_t Mantissa() const;
  uint16_t BiasedExponent() const;  // 0 .. 0x7FFF
  bool Negative() const { return (Bytes[9] & 0x80) != 0; }
  bool IsFinite() const { return BiasedExponent() != 0x7FFF; }
  bool operator==(const TExtended80& other) const { return Bytes == other.Bytes; }
};
