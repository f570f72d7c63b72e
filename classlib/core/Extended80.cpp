#include "classlib/core/Extended80.h"

#include <cstring>

namespace {

constexpr int kExtendedBias = 16383;

// An IEEE binary format: mantissa bits including the implicit one, exponent range of normals.
struct TBinaryFormat {
  int precision;
  int exponentBits;
  int minExponent;
  int maxExponent;
};
constexpr TBinaryFormat kDouble{53, 11, -1022, 1023};
constexpr TBinaryFormat kSingle{24, 8, -126, 127};

int TopBit(uint64_t v) {
  int n = 63;
  while (!(v >> n)) --n;
  return n;
}

// Rounds m * 2^(exponent - 63) (m with its top bit set) into the format; returns the bits.
uint64_t RoundToFormat(bool negative, int exponent, uint64_t m, const TBinaryFormat& f) {
  const int fractionBits = f.precision - 1;
  const uint64_t sign = uint64_t(negative) << (fractionBits + f.exponentBits);
  const uint64_t maxField = (uint64_t(1) << f.exponentBits) - 1;
  int drop = 64 - f.precision;
  if (exponent < f.minExponent) drop += f.minExponent - exponent;  // subnormal
  uint64_t q = drop >= 64 ? 0 : m >> drop;
  if (drop <= 64) {
    uint64_t rest = drop == 64 ? m : m & ((uint64_t(1) << drop) - 1);
    uint64_t half = uint64_t(1) << (drop - 1);
    if (rest > half || (rest == half && (q & 1))) ++q;
  }
  if (exponent < f.minExponent) return sign | q;  // a carry into the lowest normal encodes itself
  if (q >> f.precision) {
    q >>= 1;
    ++exponent;
  }
  if (exponent > f.maxExponent) return sign | (maxField << fractionBits);  // infinity
  uint64_t field = uint64_t(exponent - f.minExponent + 1);
  return sign | (field << fractionBits) | (q & ((uint64_t(1) << fractionBits) - 1));
}

uint64_t ToFormat(const TExtended80& x, const TBinaryFormat& f) {
  const int fractionBits = f.precision - 1;
  const uint64_t sign = uint64_t(x.Negative()) << (fractionBits + f.exponentBits);
  const uint64_t maxField = (uint64_t(1) << f.exponentBits) - 1;
  uint64_t m = x.Mantissa();
  if (!x.IsFinite()) {
    uint64_t payload = (m << 1) >> (64 - fractionBits);
    if ((m << 1) == 0) return sign | (maxField << fractionBits);                // infinity
    return sign | (maxField << fractionBits) | (uint64_t(1) << (fractionBits - 1)) | payload;  // quiet NaN
  }
  if (m == 0) return sign;
  int biased = x.BiasedExponent() == 0 ? 1 : x.BiasedExponent();
  int shift = 63 - TopBit(m);
  return RoundToFormat(x.Negative(), biased - kExtendedBias - shift, m << shift, f);
}

TExtended80 FromFormat(uint64_t bits, const TBinaryFormat& f) {
  const int fractionBits = f.precision - 1;
  const bool negative = (bits >> (fractionBits + f.exponentBits)) & 1;
  const uint64_t maxField = (uint64_t(1) << f.exponentBits) - 1;
  const uint64_t field = (bits >> fractionBits) & maxField;
  const uint64_t fraction = bits & ((uint64_t(1) << fractionBits) - 1);
  if (field == maxField) return TExtended80::Make(negative, 0x7FFF, (uint64_t(1) << 63) | (fraction << (64 - f.precision)));
  if (field == 0 && fraction == 0) return TExtended80::Make(negative, 0, 0);
  if (field == 0) {  // subnormal: normalise
    int top = TopBit(fraction);
    int exponent = f.minExponent - (fractionBits - top);
    return TExtended80::Make(negative, uint16_t(exponent + kExtendedBias), fraction << (63 - top));
  }
  int exponent = int(field) + f.minExponent - 1;
  uint64_t m = ((uint64_t(1) << fractionBits) | fraction) << (64 - f.precision);
  return TExtended80::Make(negative, uint16_t(exponent + kExtendedBias), m);
}

}  // namespace

TExtended80 TExtended80::Make(bool negative, uint16_t biasedExponent, uint64_t mantissa) {
  TExtended80 x;
  for (int i = 0; i < 8; ++i) x.Bytes[i] = uint8_t(mantissa >> (8 * i));
  uint16_t top = uint16_t((biasedExponent & 0x7FFF) | (negative ? 0x8000 : 0));
  x.Bytes[8] = uint8_t(top);
  x.Bytes[9] = uint8_t(top >> 8);
  return x;
}

uint64_t TExtended80::Mantissa() const {
  uint64_t m = 0;
  for (int i = 7; i >= 0; --i) m = (m << 8) | Bytes[i];
  return m;
}

uint16_t TExtended80::BiasedExponent() const { return uint16_t((Bytes[8] | (Bytes[9] << 8)) & 0x7FFF); }

TExtended80 TExtended80::FromDouble(double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return FromFormat(bits, kDouble);
}

TExtended80 TExtended80::FromSingle(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return FromFormat(bits, kSingle);
}

double TExtended80::ToDouble() const {
  uint64_t bits = ToFormat(*this, kDouble);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

float TExtended80::ToSingle() const {
  uint32_t bits = uint32_t(ToFormat(*this, kSingle));
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}
