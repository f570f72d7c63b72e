#pragma once
// Runtime helpers whose exact behaviour the programs and the toolkit rely on.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// Base of every exception the class library and the toolkit raise.
class Exception : public std::runtime_error {
public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

class EConvertError : public Exception { using Exception::Exception; };
class EVariantError : public Exception { using Exception::Exception; };
class EListError : public Exception { using Exception::Exception; };
class EComponentError : public Exception { using Exception::Exception; };
class EPropertyError : public Exception { using Exception::Exception; };
class EClassNotFound : public Exception { using Exception::Exception; };

// printf-style formatting into a std::string ("%s" takes const char*).
std::string Format(const char* format, ...);

// ASCII-only case handling, as the runtime's SameText/LowerCase/UpperCase.
std::string LowerCase(std::string_view s);
std::string UpperCase(std::string_view s);
bool SameText(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);
std::string Trim(std::string_view s);

// Integers in the runtime's syntax: optional sign, decimal, "$" or "0x"/"0X" hexadecimal.
bool TryStrToInt(std::string_view s, int32_t& value);
bool TryStrToInt64(std::string_view s, int64_t& value);
int32_t StrToInt(std::string_view s);  // EConvertError "'%s' is not a valid integer value"
int32_t StrToIntDef(std::string_view s, int32_t fallback);
std::string IntToStr(int64_t value);
std::string IntToHex(uint64_t value, int digits);

// Locale-free floats: "." is the decimal separator whatever the user's settings.
bool TryStrToFloat(std::string_view s, double& value);
double StrToFloat(std::string_view s);  // EConvertError "'%s' is not a valid floating point value"
std::string FloatToStr(double value);    // shortest text with 15 significant digits, as the runtime

// Rounding as the runtime does it: Round to nearest with halves to even; Trunc/Int toward zero.
int64_t Round(double value);
int64_t Trunc(double value);
double Int(double value);
double Frac(double value);

// The runtime's linear congruential random generator (RandSeed * 134775813 + 1).
class TRandom {
public:
  uint32_t Seed = 0;
  int32_t Next(int32_t range);  // 0 <= result < range
  double Next();                // 0 <= result < 1
};
TRandom& GlobalRandom();
int32_t Random(int32_t range);
double Random();

// Errors of the platform's component object model, raised by late-bound automation calls.
class EOleError : public Exception { using Exception::Exception; };

class EOleSysError : public EOleError {
public:
  EOleSysError(const std::string& message, long errorCode) : EOleError(message), errorCode_(errorCode) {}
  long ErrorCode() const { return errorCode_; }

private:
  long errorCode_;
};
