#include "tips/rpc/HproseReader.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "tips/rpc/HproseErrors.h"

namespace {

// Deeper nesting than any real answer; the limit keeps hostile input from exhausting the stack.
constexpr int kMaxNesting = 200;

class ReplyReader {
public:
  explicit ReplyReader(std::string_view body) : body_(body) {}
  HproseReply Read();

private:
  std::string_view body_;
  std::size_t pos_ = 0;
  // One entry per value that can be referred to, in the order the values start; empty while a
  // list or map is still being read (a reference to it then would be a cycle).
  std::vector<std::optional<HproseValue>> refs_;
  int depth_ = 0;

  std::size_t Remaining() const { return body_.size() - pos_; }
  char Next();
  void Expect(char expected);
  [[noreturn]] void Fail(const std::string& problem) const;
  [[noreturn]] void FailTruncated() const;

  HproseValue ReadValue();
  HproseValue ReadTagged(char tag);
  std::int64_t ReadInteger(std::int64_t min, std::int64_t max);
  std::size_t ReadCount(char terminator, bool allowEmpty);
  double ReadDouble();
  double ReadInfinity();
  char32_t ReadCodePoint();
  std::wstring ReadUtf16(std::size_t units);
  HproseValue ReadString();
  HproseValue ReadChar();
  HproseValue ReadBytes();
  HproseValue ReadList();
  HproseValue ReadMap();
  HproseValue ReadRef();
  std::size_t StartContainer();
  HproseValue FinishContainer(std::size_t slot, HproseValue value);
};

HproseReply ReplyReader::Read() {
  if (body_.empty()) Fail("the reply is empty");
  HproseReply reply;
  const char tag = Next();
  if (tag == 'R') {
    reply.Result = ReadValue();
    char after = Next();
    if (after == 'A') {
      refs_.clear();
      if (ReadValue().GetKind() != HproseValue::Kind::List) Fail("the returned arguments are not a list");
      after = Next();
    }
    if (after != 'z') Fail(std::string("expected the end tag, found '") + after + "'");
  } else if (tag == 'E') {
    const HproseValue message = ReadValue();
    if (message.GetKind() != HproseValue::Kind::String) Fail("the error message is not a string");
    reply.IsError = true;
    reply.ErrorMessage = message.AsString();
    Expect('z');
  } else {
    Fail(std::string("expected a result or an error, found '") + tag + "'");
  }
  if (pos_ != body_.size()) Fail("bytes follow the end of the reply");
  return reply;
}

char ReplyReader::Next() {
  if (pos_ >= body_.size()) FailTruncated();
  return body_[pos_++];
}

void ReplyReader::Expect(char expected) {
  const char found = Next();
  if (found != expected) Fail(std::string("expected '") + expected + "', found '" + found + "'");
}

void ReplyReader::Fail(const std::string& problem) const {
  throw EHproseFormatError("Malformed Hprose reply: " + problem + " (at byte " + std::to_string(pos_) + ")");
}

void ReplyReader::FailTruncated() const {
  throw EHproseFormatError("Truncated Hprose reply: it ends after " + std::to_string(body_.size()) + " bytes");
}

HproseValue ReplyReader::ReadValue() { return ReadTagged(Next()); }

HproseValue ReplyReader::ReadTagged(char tag) {
  if (tag >= '0' && tag <= '9') return HproseValue::Integer(tag - '0');
  switch (tag) {
    case 'i': return HproseValue::Integer(ReadInteger(std::numeric_limits<std::int32_t>::min(),
                                                      std::numeric_limits<std::int32_t>::max()));
    case 'l': return HproseValue::Integer(ReadInteger(std::numeric_limits<std::int64_t>::min(),
                                                      std::numeric_limits<std::int64_t>::max()));
    case 'd': return HproseValue::Double(ReadDouble());
    case 'N': return HproseValue::Double(std::numeric_limits<double>::quiet_NaN());
    case 'I': return HproseValue::Double(ReadInfinity());
    case 't': return HproseValue::Boolean(true);
    case 'f': return HproseValue::Boolean(false);
    case 'n': return HproseValue();
    case 'e': return HproseValue::String(L"");
    case 'u': return ReadChar();
    case 's': return ReadString();
    case 'b': return ReadBytes();
    case 'a': return ReadList();
    case 'm': return ReadMap();
    case 'r': return ReadRef();
    case 'D': case 'T': case 'g': case 'c': case 'o':
      --pos_;
      Fail(std::string("values of tag '") + tag + "' are not supported");
    default:
      --pos_;
      Fail("unexpected byte " + std::to_string(static_cast<unsigned char>(tag)));
  }
}

// Optional sign, at least one digit, ";".
std::int64_t ReplyReader::ReadInteger(std::int64_t min, std::int64_t max) {
  bool negative = false;
  if (pos_ < body_.size() && (body_[pos_] == '-' || body_[pos_] == '+')) negative = Next() == '-';
  const std::uint64_t limit = negative ? std::uint64_t(-(min + 1)) + 1 : std::uint64_t(max);
  std::uint64_t magnitude = 0;
  int digits = 0;
  for (char c = Next(); c != ';'; c = Next(), ++digits) {
    if (c < '0' || c > '9') Fail("a number holds '" + std::string(1, c) + "'");
    const unsigned digit = c - '0';
    if (magnitude > (limit - digit) / 10) Fail("a number is out of range");
    magnitude = magnitude * 10 + digit;
  }
  if (digits == 0) Fail("a number has no digits");
  return negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
}

// Decimal digits up to the terminator; Hprose omits a zero count ("a{}").
std::size_t ReplyReader::ReadCount(char terminator, bool allowEmpty) {
  std::size_t count = 0;
  int digits = 0;
  for (char c = Next(); c != terminator; c = Next(), ++digits) {
    if (c < '0' || c > '9') Fail("a count holds '" + std::string(1, c) + "'");
    count = count * 10 + (c - '0');
    if (count > body_.size()) FailTruncated();  // every counted item takes at least one byte
  }
  if (digits == 0 && !allowEmpty) Fail("a count has no digits");
  return count;
}

double ReplyReader::ReadDouble() {
  const std::size_t start = pos_;
  for (char c = Next(); c != ';'; c = Next()) {
    if (!((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E')) {
      Fail("a double holds '" + std::string(1, c) + "'");
    }
  }
  std::string_view text = body_.substr(start, pos_ - 1 - start);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) Fail("a double is not a number");
  return value;
}

double ReplyReader::ReadInfinity() {
  const char sign = Next();
  if (sign != '+' && sign != '-') Fail("an infinity has no sign");
  return sign == '+' ? std::numeric_limits<double>::infinity() : -std::numeric_limits<double>::infinity();
}

// One strictly valid UTF-8 sequence: no overlong forms, no surrogates, nothing past U+10FFFF.
char32_t ReplyReader::ReadCodePoint() {
  const unsigned char lead = Next();
  int continuation;
  char32_t codePoint;
  char32_t minimum;
  if (lead < 0x80) return lead;
  if (lead >= 0xC2 && lead <= 0xDF) {
    continuation = 1, codePoint = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    continuation = 2, codePoint = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    continuation = 3, codePoint = lead & 0x07, minimum = 0x10000;
  } else {
    --pos_;
    Fail("a string is not valid UTF-8");
  }
  while (continuation-- > 0) {
    const unsigned char next = Next();
    if ((next & 0xC0) != 0x80) {
      --pos_;
      Fail("a string is not valid UTF-8");
    }
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    Fail("a string is not valid UTF-8");
  }
  return codePoint;
}

std::wstring ReplyReader::ReadUtf16(std::size_t units) {
  std::wstring text;
  text.reserve(units);
  while (text.size() < units) {
    const char32_t codePoint = ReadCodePoint();
    if (codePoint < 0x10000) {
      text.push_back(static_cast<wchar_t>(codePoint));
    } else {
      if (text.size() + 2 > units) Fail("a string's length ends inside a character");
      text.push_back(static_cast<wchar_t>(0xD800 + ((codePoint - 0x10000) >> 10)));
      text.push_back(static_cast<wchar_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF)));
    }
  }
  return text;
}

HproseValue ReplyReader::ReadString() {
  const std::size_t units = ReadCount('"', true);
  if (units > Remaining()) FailTruncated();
  HproseValue value = HproseValue::String(ReadUtf16(units));
  Expect('"');
  refs_.emplace_back(value);
  return value;
}

HproseValue ReplyReader::ReadChar() {
  const char32_t codePoint = ReadCodePoint();
  if (codePoint >= 0x10000) Fail("a one-character string holds two UTF-16 units");
  return HproseValue::String(std::wstring(1, static_cast<wchar_t>(codePoint)));
}

HproseValue ReplyReader::ReadBytes() {
  const std::size_t length = ReadCount('"', true);
  if (length > Remaining()) FailTruncated();
  HproseValue value = HproseValue::Bytes(std::string(body_.substr(pos_, length)));
  pos_ += length;
  Expect('"');
  refs_.emplace_back(value);
  return value;
}

std::size_t ReplyReader::StartContainer() {
  if (++depth_ > kMaxNesting) Fail("lists and maps are nested too deeply");
  refs_.emplace_back(std::nullopt);
  return refs_.size() - 1;
}

HproseValue ReplyReader::FinishContainer(std::size_t slot, HproseValue value) {
  Expect('}');
  --depth_;
  refs_[slot] = value;
  return value;
}

HproseValue ReplyReader::ReadList() {
  const std::size_t count = ReadCount('{', true);
  if (count > Remaining()) FailTruncated();
  const std::size_t slot = StartContainer();
  HproseList elements;
  elements.reserve(count);
  for (std::size_t i = 0; i < count; ++i) elements.push_back(ReadValue());
  return FinishContainer(slot, HproseValue::List(std::move(elements)));
}

HproseValue ReplyReader::ReadMap() {
  const std::size_t count = ReadCount('{', true);
  if (count > Remaining() / 2) FailTruncated();
  const std::size_t slot = StartContainer();
  HproseMap entries;
  entries.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    HproseValue key = ReadValue();
    entries.emplace_back(std::move(key), ReadValue());
  }
  return FinishContainer(slot, HproseValue::Map(std::move(entries)));
}

HproseValue ReplyReader::ReadRef() {
  const std::size_t index = ReadCount(';', false);
  if (index >= refs_.size()) Fail("a reference names value " + std::to_string(index) + ", which does not exist");
  if (!refs_[index]) Fail("a reference names a list or map that is still being read");
  return *refs_[index];
}

}  // namespace

HproseReply ReadHproseReply(std::string_view body) { return ReplyReader(body).Read(); }
