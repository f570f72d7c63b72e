#include "classlib/core/FloatText.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr int kExtendedBias = 16383;
constexpr int kMinSubnormalExponent = 16445;  // the lowest extended bit weighs 2^-16445
constexpr int kMaxSignificantDigits = 1000;   // longer inputs keep a sticky digit

// Just enough unsigned big-integer arithmetic for exact decimal conversions.
class TBigUInt {
public:
  explicit TBigUInt(uint64_t v = 0) {
    while (v) {
      limbs_.push_back(uint32_t(v));
      v >>= 32;
    }
  }
  bool IsZero() const { return limbs_.empty(); }
  int BitLength() const {
    if (limbs_.empty()) return 0;
    int n = 32 * int(limbs_.size() - 1);
    for (uint32_t top = limbs_.back(); top; top >>= 1) ++n;
    return n;
  }
  bool Bit(int i) const {
    if (i < 0 || size_t(i / 32) >= limbs_.size()) return false;
    return (limbs_[i / 32] >> (i % 32)) & 1;
  }
  bool AnyBitBelow(int i) const {  // any of bits 0 .. i-1
    size_t full = i > 0 ? size_t(i / 32) : 0;
    for (size_t l = 0; l < full && l < limbs_.size(); ++l)
      if (limbs_[l]) return true;
    if (i > 0 && full < limbs_.size() && i % 32) return (limbs_[full] & ((uint32_t(1) << (i % 32)) - 1)) != 0;
    return false;
  }
  uint64_t Bits64From(int start) const {  // 64 bits starting at bit `start`
    uint64_t v = 0;
    for (int b = 63; b >= 0; --b) v = (v << 1) | uint64_t(Bit(start + b));
    return v;
  }
  void MulAdd(uint32_t factor, uint32_t add) {
    uint64_t carry = add;
    for (uint32_t& limb : limbs_) {
      uint64_t t = uint64_t(limb) * factor + carry;
      limb = uint32_t(t);
      carry = t >> 32;
    }
    if (carry) limbs_.push_back(uint32_t(carry));
  }
  void MulPow10(int n) {
    if (n >= kPow10Step) return Multiply(Pow10(n));
    for (; n >= 9; n -= 9) MulAdd(1000000000u, 0);
    static constexpr uint32_t kPow10[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
    if (n > 0) MulAdd(kPow10[n], 0);
  }
  void Multiply(const TBigUInt& b) {
    if (IsZero() || b.IsZero()) {
      limbs_.clear();
      return;
    }
    std::vector<uint32_t> product(limbs_.size() + b.limbs_.size(), 0u);
    for (size_t i = 0; i < limbs_.size(); ++i) {
      uint64_t carry = 0;
      for (size_t j = 0; j < b.limbs_.size(); ++j) {
        uint64_t t = uint64_t(limbs_[i]) * b.limbs_[j] + product[i + j] + carry;
        product[i + j] = uint32_t(t);
        carry = t >> 32;
      }
      product[i + b.limbs_.size()] = uint32_t(carry);
    }
    limbs_ = std::move(product);
    Trim();
  }
  // 10^n from a table of every 64th power, built once: the conversions need powers up to about
  // 10^5000, which are slow to build by repeated multiplication.
  static TBigUInt Pow10(int n) {
    static const std::vector<TBigUInt> table = [] {
      std::vector<TBigUInt> powers{TBigUInt(1)};
      while (powers.size() * kPow10Step <= 5100) {
        TBigUInt next = powers.back();
        next.MulPow10(kPow10Step - 1);
        next.MulAdd(10, 0);
        powers.push_back(std::move(next));
      }
      return powers;
    }();
    TBigUInt power = table[std::min(size_t(n / kPow10Step), table.size() - 1)];
    power.MulPow10(n - int(std::min(size_t(n / kPow10Step), table.size() - 1)) * kPow10Step);
    return power;
  }
  uint32_t DivSmall(uint32_t divisor) {
    uint64_t rest = 0;
    for (size_t i = limbs_.size(); i-- > 0;) {
      uint64_t t = (rest << 32) | limbs_[i];
      limbs_[i] = uint32_t(t / divisor);
      rest = t % divisor;
    }
    Trim();
    return uint32_t(rest);
  }
  void ShiftLeft(int bits) {
    if (IsZero() || bits == 0) return;
    limbs_.insert(limbs_.begin(), size_t(bits / 32), 0u);
    if (int r = bits % 32) {
      uint32_t carry = 0;
      for (uint32_t& limb : limbs_) {
        uint32_t next = limb >> (32 - r);
        limb = (limb << r) | carry;
        carry = next;
      }
      if (carry) limbs_.push_back(carry);
    }
  }
  void SetBit(int i) {
    if (size_t(i / 32) >= limbs_.size()) limbs_.resize(size_t(i / 32) + 1, 0u);
    limbs_[i / 32] |= uint32_t(1) << (i % 32);
  }
  static int Compare(const TBigUInt& a, const TBigUInt& b) {
    if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
    for (size_t i = a.limbs_.size(); i-- > 0;)
      if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    return 0;
  }
  void Subtract(const TBigUInt& b) {  // *this >= b
    int64_t borrow = 0;
    for (size_t i = 0; i < limbs_.size(); ++i) {
      int64_t t = int64_t(limbs_[i]) - (i < b.limbs_.size() ? b.limbs_[i] : 0) - borrow;
      borrow = t < 0;
      limbs_[i] = uint32_t(t + (borrow << 32));
    }
    Trim();
  }
  // Quotient of *this / divisor by long division in 32-bit digits (Knuth's algorithm D); *this
  // keeps the remainder.
  TBigUInt DivideBy(const TBigUInt& divisor) {
    TBigUInt quotient;
    if (Compare(*this, divisor) < 0) return quotient;
    if (divisor.limbs_.size() == 1) {
      quotient = *this;
      limbs_ = {quotient.DivSmall(divisor.limbs_[0])};
      Trim();
      return quotient;
    }
    const size_t n = divisor.limbs_.size(), m = limbs_.size() - n;
    const int shift = 31 - TopBitOf(divisor.limbs_.back());
    TBigUInt v = divisor, u = *this;
    v.ShiftLeft(shift);
    u.ShiftLeft(shift);
    u.limbs_.resize(limbs_.size() + 1, 0u);
    quotient.limbs_.assign(m + 1, 0u);
    const uint64_t top = v.limbs_[n - 1], next = v.limbs_[n - 2];
    for (size_t j = m + 1; j-- > 0;) {
      const uint64_t head = (uint64_t(u.limbs_[j + n]) << 32) | u.limbs_[j + n - 1];
      uint64_t qhat = head / top, rhat = head % top;
      while (qhat >> 32 || qhat * next > ((rhat << 32) | u.limbs_[j + n - 2])) {
        --qhat;
        rhat += top;
        if (rhat >> 32) break;
      }
      int64_t borrow = 0;
      uint64_t carry = 0;
      for (size_t i = 0; i < n; ++i) {
        const uint64_t product = qhat * v.limbs_[i] + carry;
        carry = product >> 32;
        const int64_t t = int64_t(u.limbs_[i + j]) - int64_t(uint32_t(product)) - borrow;
        u.limbs_[i + j] = uint32_t(t);
        borrow = t < 0;
      }
      const int64_t t = int64_t(u.limbs_[j + n]) - int64_t(carry) - borrow;
      u.limbs_[j + n] = uint32_t(t);
      if (t < 0) {  // qhat was one too large: add the divisor back
        --qhat;
        uint64_t sum = 0;
        for (size_t i = 0; i < n; ++i) {
          sum += uint64_t(u.limbs_[i + j]) + v.limbs_[i];
          u.limbs_[i + j] = uint32_t(sum);
          sum >>= 32;
        }
        u.limbs_[j + n] += uint32_t(sum);
      }
      quotient.limbs_[j] = uint32_t(qhat);
    }
    u.Trim();
    u.ShiftRight(shift);
    *this = std::move(u);
    quotient.Trim();
    return quotient;
  }
  void ShiftRight(int bits) {  // bits < 32
    if (bits == 0) return;
    for (size_t i = 0; i < limbs_.size(); ++i) {
      uint32_t high = i + 1 < limbs_.size() ? limbs_[i + 1] << (32 - bits) : 0u;
      limbs_[i] = (limbs_[i] >> bits) | high;
    }
    Trim();
  }
  std::string ToDecimal() const {
    if (IsZero()) return "0";
    TBigUInt v = *this;
    std::string digits;
    while (!v.IsZero()) digits += char('0' + v.DivSmall(10));
    std::reverse(digits.begin(), digits.end());
    return digits;
  }

private:
  static constexpr int kPow10Step = 64;
  static int TopBitOf(uint32_t v) {
    int n = 31;
    while (!(v >> n)) --n;
    return n;
  }
  std::vector<uint32_t> limbs_;
  void Trim() {
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
  }
};

// A finite extended value as mantissa * 2^exponent.
struct TBinaryValue {
  bool negative;
  uint64_t mantissa;
  int exponent;
};

TBinaryValue Decompose(const TExtended80& x) {
  int biased = std::max<int>(1, x.BiasedExponent());
  return {x.Negative(), x.Mantissa(), biased - kExtendedBias - 63};
}

// round-half-even(|x| * 10^scale) as an integer.
TBigUInt ScaledRound(const TBinaryValue& v, int scale) {
  TBigUInt num(v.mantissa), den(1);
  if (v.exponent >= 0) num.ShiftLeft(v.exponent); else den.ShiftLeft(-v.exponent);
  if (scale >= 0) num.MulPow10(scale); else den.MulPow10(-scale);
  TBigUInt q = num.DivideBy(den);
  num.ShiftLeft(1);
  int c = TBigUInt::Compare(num, den);
  if (c > 0 || (c == 0 && q.Bit(0))) q.MulAdd(1, 1);
  return q;
}

// Decimal digits of a nonzero |x| rounded to `count` significant digits; `point` is the number of
// digits before the decimal point (x = 0.DIGITS * 10^point).
std::string SignificantDigits(const TBinaryValue& v, int count, int& point) {
  int log2 = TBigUInt(v.mantissa).BitLength() - 1 + v.exponent;
  int estimate = int(log2 * 0.30102999566398119521);  // floor(log10) or one less
  if (log2 < 0) estimate -= 1;
  for (int attempt = 0;; ++attempt) {
    int scale = count - 1 - estimate;
    std::string digits = ScaledRound(v, scale).ToDecimal();
    if (int(digits.size()) > count && attempt < 2 && digits.find_first_not_of('0', 1) != std::string::npos) {
      ++estimate;  // the estimate was low: too many digits before rounding
      continue;
    }
    if (int(digits.size()) < count && attempt < 2) {
      --estimate;
      continue;
    }
    point = int(digits.size()) - scale;
    digits.resize(std::min<size_t>(digits.size(), size_t(count)));
    return digits;
  }
}

std::string StripTrailingZeros(std::string digits) {
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  return digits;
}

std::string SpecialText(const TExtended80& x) {
  if ((x.Mantissa() << 1) != 0) return "NAN";
  return x.Negative() ? "-INF" : "INF";
}

std::string GeneralText(bool negative, const std::string& allDigits, int point, int precision) {
  std::string digits = StripTrailingZeros(allDigits);
  std::string text = negative ? "-" : "";
  if (digits == "0") return text + "0";
  if (point > precision || point < -3) {
    text += digits.substr(0, 1);
    if (digits.size() > 1) text += "." + digits.substr(1);
    return text + "E" + std::to_string(point - 1);
  }
  if (point <= 0) return text + "0." + std::string(size_t(-point), '0') + digits;
  if (int(digits.size()) <= point) return text + digits + std::string(size_t(point) - digits.size(), '0');
  return text + digits.substr(0, size_t(point)) + "." + digits.substr(size_t(point));
}

// The runtime's fixed format with 16 significant digits and 18 decimals; empty when the value has
// more than 16 digits before the point (the runtime then switches to the exponent form).
std::string ClassicFixedText(const TExtended80& x) {
  constexpr int kPrecision = 16, kDecimals = 18;
  TBinaryValue v = Decompose(x);
  std::string sign = v.negative ? "-" : "";
  if (v.mantissa == 0) return sign + "0." + std::string(kDecimals, '0');
  int point;
  SignificantDigits(v, kPrecision, point);
  if (point > kPrecision) return {};
  int scale = std::min(kPrecision - point, kDecimals);
  std::string digits = ScaledRound(v, scale).ToDecimal();
  if (int(digits.size()) <= scale) digits.insert(0, size_t(scale) + 1 - digits.size(), '0');
  std::string integerPart = digits.substr(0, digits.size() - size_t(scale));
  std::string fraction = digits.substr(digits.size() - size_t(scale)) + std::string(size_t(kDecimals - scale), '0');
  return sign + integerPart + "." + fraction;
}

bool HasFloatMark(const std::string& text) { return text.find_first_of(".E") != std::string::npos; }

TExtended80 Int64ToExtended(int64_t value) {
  bool negative = value < 0;
  uint64_t m = negative ? 0 - uint64_t(value) : uint64_t(value);
  if (m == 0) return TExtended80::Make(false, 0, 0);
  int shift = 0;
  while (!(m >> 63)) {
    m <<= 1;
    ++shift;
  }
  return TExtended80::Make(negative, uint16_t(kExtendedBias + 63 - shift), m);
}

// Shortest general text with at least `minDigits` digits that `readsBack` accepts.
template <class ReadsBack>
std::string ShortestGeneralText(const TExtended80& x, int minDigits, ReadsBack readsBack) {
  TBinaryValue v = Decompose(x);
  std::string text;
  for (int digits = minDigits; digits <= 25; ++digits) {
    if (v.mantissa == 0) return GeneralText(v.negative, "0", 0, digits);
    int point;
    std::string all = SignificantDigits(v, digits, point);
    text = GeneralText(v.negative, all, point, digits);
    if (readsBack(text)) break;
  }
  return text;
}

bool ParseDecimal(std::string_view text, bool& negative, std::string& digits, int64_t& exponent10) {
  size_t i = 0;
  negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  std::string all;
  int64_t fractionDigits = 0;
  bool seenDigit = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, seenDigit = true) all += text[i];
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, seenDigit = true, ++fractionDigits)
      all += text[i];
  }
  if (!seenDigit) return false;
  int64_t exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negativeExponent = text[i++] == '-';
    if (i == text.size()) return false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
      exponent = std::min<int64_t>(exponent * 10 + (text[i] - '0'), 1000000000);
    if (negativeExponent) exponent = -exponent;
  }
  if (i != text.size()) return false;
  exponent10 = exponent - fractionDigits;
  size_t first = all.find_first_not_of('0');
  digits = first == std::string::npos ? std::string() : all.substr(first);
  while (!digits.empty() && digits.back() == '0') {
    digits.pop_back();
    ++exponent10;
  }
  if (int(digits.size()) > kMaxSignificantDigits) {  // keep a sticky nonzero digit in place of the rest
    exponent10 += int64_t(digits.size()) - kMaxSignificantDigits - 1;
    digits.resize(kMaxSignificantDigits);
    digits += '1';
  }
  return true;
}

}  // namespace

bool TryTextToExtended(std::string_view text, TExtended80& value) {
  bool negative;
  std::string digits;
  int64_t exponent10;
  if (!ParseDecimal(text, negative, digits, exponent10)) return false;
  int64_t magnitude = int64_t(digits.size()) + exponent10;  // value < 10^magnitude
  if (digits.empty() || magnitude < -4951) {
    value = TExtended80::Make(negative, 0, 0);
    return true;
  }
  if (magnitude > 4933) return false;

  TBigUInt num, den(1);
  for (char c : digits) num.MulAdd(10, uint32_t(c - '0'));
  if (exponent10 >= 0) num.MulPow10(int(exponent10)); else den.MulPow10(int(-exponent10));
  constexpr int kQuotientBits = 66;
  int shift = kQuotientBits + den.BitLength() - num.BitLength();
  if (shift >= 0) num.ShiftLeft(shift); else den.ShiftLeft(-shift);
  TBigUInt q = num.DivideBy(den);  // value = (q + rest) * 2^-shift
  bool sticky = !num.IsZero();

  int bits = q.BitLength();
  int drop = std::max(bits - 64, shift - kMinSubnormalExponent);
  if (drop > bits) {
    value = TExtended80::Make(negative, 0, 0);
    return true;
  }
  uint64_t mantissa = q.Bits64From(drop);
  bool half = q.Bit(drop - 1);
  bool below = sticky || q.AnyBitBelow(drop - 1);
  int biased = bits - 1 - shift + kExtendedBias;
  bool subnormal = drop > bits - 64;
  if (half && (below || (mantissa & 1))) {
    if (++mantissa == 0) {  // carried out of 64 bits
      mantissa = uint64_t(1) << 63;
      ++biased;
    }
  }
  if (subnormal) biased = (mantissa >> 63) ? 1 : 0;
  if (biased >= 0x7FFF) return false;
  value = TExtended80::Make(negative, uint16_t(biased), mantissa);
  return true;
}

std::string ExtendedToStreamText(const TExtended80& value) {
  if (!value.IsFinite()) return SpecialText(value);
  auto readsBack = [&](const std::string& text) {
    TExtended80 back;
    return TryTextToExtended(text, back) && back == value;
  };
  std::string classic = ClassicFixedText(value);
  if (!classic.empty() && readsBack(classic)) return classic;
  std::string text = ShortestGeneralText(value, 17, [&](const std::string& t) {
    return readsBack(HasFloatMark(t) ? t : t + ".0");
  });
  return HasFloatMark(text) ? text : text + ".0";
}

std::string SingleToStreamText(float value) {
  TExtended80 x = TExtended80::FromSingle(value);
  if (!x.IsFinite()) return SpecialText(x);
  return ShortestGeneralText(x, 15, [&](const std::string& text) {
    TExtended80 back;
    return TryTextToExtended(text, back) && back.ToSingle() == value && back.Negative() == x.Negative();
  });
}

std::string DoubleToStreamText(double value) {
  TExtended80 x = TExtended80::FromDouble(value);
  if (!x.IsFinite()) return SpecialText(x);
  return ShortestGeneralText(x, 15, [&](const std::string& text) {
    TExtended80 back;
    return TryTextToExtended(text, back) && TExtended80::FromDouble(back.ToDouble()) == x;
  });
}

std::string CurrencyToStreamText(int64_t scaled) {
  return ShortestGeneralText(Int64ToExtended(scaled), 15, [&](const std::string& text) {
    TExtended80 back;
    int64_t again;
    return TryTextToExtended(text, back) && TryExtendedToInt64(back, again) && again == scaled;
  });
}

bool TryExtendedToInt64(const TExtended80& value, int64_t& result) {
  if (!value.IsFinite()) return false;
  TBinaryValue v = Decompose(value);
  if (v.mantissa == 0) {
    result = 0;
    return true;
  }
  if (v.exponent > 0) return false;  // at least 2^63 * 2
  uint64_t magnitude;
  if (v.exponent <= -65) {
    magnitude = 0;
  } else {
    int drop = -v.exponent;
    magnitude = drop == 64 ? 0 : v.mantissa >> drop;
    uint64_t rest = drop == 64 ? v.mantissa : v.mantissa & ((uint64_t(1) << drop) - 1);
    uint64_t half = drop == 0 ? 0 : uint64_t(1) << (drop - 1);
    if (drop > 0 && (rest > half || (rest == half && (magnitude & 1)))) ++magnitude;
  }
  if (magnitude > (uint64_t(1) << 63) || (!v.negative && magnitude == (uint64_t(1) << 63))) return false;
  result = v.negative ? int64_t(0 - magnitude) : int64_t(magnitude);
  return true;
}
