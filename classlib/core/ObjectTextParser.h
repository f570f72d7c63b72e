#pragma once
// The tokenizer of the object text form: symbols, quoted strings with #nnn characters, integers
// (decimal or "$" hexadecimal), floats with an optional s/c/d suffix, and single characters.
// Errors raise EParserError with the line of the current token.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "classlib/core/Extended80.h"
#include "classlib/core/Stream.h"

class TObjectTextParser {
public:
  enum class TToken { EndOfFile, Symbol, String, Integer, Float, Char };

  explicit TObjectTextParser(TStream& input);  // the text from the stream's position to its end

  TToken Token() const { return token_; }
  void NextToken();
  int SourceLine() const { return tokenLine_; }

  bool IsChar(char c) const { return token_ == TToken::Char && text_[0] == c; }
  bool TokenSymbolIs(std::string_view symbol) const;  // case-insensitive
  const std::string& TokenText() const { return text_; }  // symbol or number as written

  // String tokens: code units of the characters; wide when a #nnn above 127 occurs, else every
  // unit is a byte of an 8-bit string.
  const std::wstring& TokenUnits() const { return units_; }
  bool TokenIsWide() const { return wide_; }

  int64_t TokenInt() const;
  TExtended80 TokenFloat() const;
  char FloatType() const { return floatType_; }  // 's', 'c', 'd' (lower case) or 0

  // After a "{" token: hexadecimal digit pairs up to "}", which becomes the current token.
  std::vector<uint8_t> ReadBinaryUntilBrace();

  void CheckToken(TToken token) const;
  void CheckChar(char c) const;
  void CheckSymbol(std::string_view symbol) const;
  [[noreturn]] void Error(const std::string& message) const;

private:
  std::string source_;
  size_t pos_ = 0;
  int line_ = 1;
  int tokenLine_ = 1;
  TToken token_ = TToken::EndOfFile;
  std::string text_;
  std::wstring units_;
  bool wide_ = false;
  char floatType_ = 0;

  char Peek(size_t ahead = 0) const { return pos_ + ahead < source_.size() ? source_[pos_ + ahead] : '\0'; }
  bool AtEnd() const { return pos_ >= source_.size(); }
  void SkipBlanks();
  void ReadSymbol();
  void ReadStringToken();
  void ReadNumber();
  void ReadHexNumber();
};
