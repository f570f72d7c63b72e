#include "classlib/core/ObjectTextParser.h"

#include "classlib/core/FloatText.h"
#include "classlib/core/StreamErrors.h"
#include "classlib/core/SysUtils.h"

namespace {

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

constexpr size_t kMaxSymbolLength = 255;

}  // namespace

TObjectTextParser::TObjectTextParser(TStream& input) {
  source_.resize(size_t(input.Remaining()));
  source_.resize(size_t(input.Read(source_.data(), int64_t(source_.size()))));
  NextToken();
}

void TObjectTextParser::SkipBlanks() {
  while (!AtEnd() && uint8_t(source_[pos_]) <= ' ' && source_[pos_] != '\0') {
    if (source_[pos_] == '\n') ++line_;
    ++pos_;
  }
}

void TObjectTextParser::NextToken() {
  SkipBlanks();
  tokenLine_ = line_;
  text_.clear();
  units_.clear();
  wide_ = false;
  floatType_ = 0;
  if (AtEnd()) {
    token_ = TToken::EndOfFile;
    return;
  }
  char c = Peek();
  if (IsIdentStart(c)) return ReadSymbol();
  if (c == '\'' || c == '#') return ReadStringToken();
  if (c == '-' || IsDigit(c)) return ReadNumber();
  if (c == '$') return ReadHexNumber();
  if (c == '\0') Error("Invalid character");
  token_ = TToken::Char;
  text_ = std::string(1, c);
  ++pos_;
}

void TObjectTextParser::ReadSymbol() {
  size_t start = pos_;
  while (IsIdentChar(Peek())) ++pos_;
  if (pos_ - start > kMaxSymbolLength) Error("Identifier too long");
  text_ = source_.substr(start, pos_ - start);
  token_ = TToken::Symbol;
}

// Quoted runs ('' is a quote) and #nnn characters, adjacent without blanks.
void TObjectTextParser::ReadStringToken() {
  token_ = TToken::String;
  for (;;) {
    if (Peek() == '#') {
      ++pos_;
      if (!IsDigit(Peek())) Error("Invalid string constant");
      uint32_t code = 0;
      while (IsDigit(Peek())) {
        code = code * 10 + uint32_t(Peek() - '0');
        if (code > 0xFFFF) Error("Invalid string constant");
        ++pos_;
      }
      if (code > 127) wide_ = true;
      units_ += wchar_t(code);
    } else if (Peek() == '\'') {
      ++pos_;
      for (;;) {
        if (AtEnd() || Peek() == '\n' || Peek() == '\r') Error("Invalid string constant");
        if (Peek() == '\'') {
          ++pos_;
          if (Peek() != '\'') break;
        }
        units_ += wchar_t(uint8_t(Peek()));
        ++pos_;
      }
    } else {
      return;
    }
  }
}

void TObjectTextParser::ReadNumber() {
  size_t start = pos_++;
  token_ = TToken::Integer;
  while (IsDigit(Peek())) ++pos_;
  for (char c = Peek(); IsDigit(c) || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-'; c = Peek()) {
    ++pos_;
    token_ = TToken::Float;
  }
  text_ = source_.substr(start, pos_ - start);
  char suffix = char(Peek() | 0x20);
  if (suffix == 's' || suffix == 'c' || suffix == 'd') {
    token_ = TToken::Float;
    floatType_ = suffix;
    ++pos_;
  }
}

void TObjectTextParser::ReadHexNumber() {
  size_t start = pos_++;
  while (HexValue(Peek()) >= 0) ++pos_;
  text_ = source_.substr(start, pos_ - start);
  token_ = TToken::Integer;
}

bool TObjectTextParser::TokenSymbolIs(std::string_view symbol) const {
  return token_ == TToken::Symbol && SameText(text_, symbol);
}

int64_t TObjectTextParser::TokenInt() const {
  CheckToken(TToken::Integer);
  if (text_[0] == '$') {
    if (text_.size() < 2 || text_.size() > 17) Error("Invalid numeric value");
    uint64_t v = 0;
    for (size_t i = 1; i < text_.size(); ++i) v = (v << 4) | uint64_t(HexValue(text_[i]));
    return int64_t(v);
  }
  int64_t v = 0;
  if (!TryStrToInt64(text_, v)) Error("Invalid numeric value");
  return v;
}

TExtended80 TObjectTextParser::TokenFloat() const {
  TExtended80 value;
  if ((token_ != TToken::Float && token_ != TToken::Integer) || text_[0] == '$' ||
      !TryTextToExtended(text_, value))
    Error("Invalid numeric value");
  return value;
}

std::vector<uint8_t> TObjectTextParser::ReadBinaryUntilBrace() {
  std::vector<uint8_t> data;
  for (;;) {
    SkipBlanks();
    tokenLine_ = line_;
    if (Peek() == '}') break;
    int high = HexValue(Peek()), low = HexValue(Peek(1));
    if (high < 0 || low < 0) Error("Invalid binary value");
    data.push_back(uint8_t(high * 16 + low));
    pos_ += 2;
  }
  ++pos_;
  token_ = TToken::Char;
  text_ = "}";
  return data;
}

void TObjectTextParser::CheckToken(TToken token) const {
  if (token_ == token) return;
  switch (token) {
    case TToken::Symbol: Error("Identifier expected");
    case TToken::String: Error("String expected");
    case TToken::Integer: case TToken::Float: Error("Number expected");
    default: Error("Invalid token");
  }
}

void TObjectTextParser::CheckChar(char c) const {
  if (!IsChar(c)) Error(std::string("'") + c + "' expected");
}

void TObjectTextParser::CheckSymbol(std::string_view symbol) const {
  if (!TokenSymbolIs(symbol)) Error(std::string(symbol) + " expected");
}

void TObjectTextParser::Error(const std::string& message) const { throw EParserError(tokenLine_, message); }
