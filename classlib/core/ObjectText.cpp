#include "classlib/core/ObjectText.h"

#include <cmath>
#include <optional>
#include <string>

#include "classlib/core/BinaryValueReader.h"
#include "classlib/core/BinaryValueWriter.h"
#include "classlib/core/FloatText.h"
#include "classlib/core/MemoryStream.h"
#include "classlib/core/ObjectTextParser.h"
#include "classlib/core/StreamErrors.h"

namespace {

constexpr const char* kLineBreak = "\r\n";
constexpr int kStringLineLength = 64;
constexpr int kBinaryBytesPerLine = 32;

class TBinaryToText {
public:
  explicit TBinaryToText(TStream& input) : reader_(input) {}

  std::string Convert() {
    reader_.ReadSignature();
    ConvertObject();
    return out_;
  }

private:
  TBinaryValueReader reader_;
  std::string out_;
  int level_ = 0;

  void WriteIndent() { out_.append(size_t(level_) * 2, ' '); }
  void NewLine() {
    out_ += kLineBreak;
    WriteIndent();
  }

  void ConvertObject() {
    TBinaryValueReader::TNesting nesting(reader_);
    ConvertHeader();
    ++level_;
    while (!reader_.EndOfList()) ConvertProperty();
    reader_.ReadListEnd();
    while (!reader_.EndOfList()) ConvertObject();
    reader_.ReadListEnd();
    --level_;
    WriteIndent();
    out_ += std::string("end") + kLineBreak;
  }

  void ConvertHeader() {
    TFilerFlags flags;
    int32_t position;
    reader_.ReadPrefix(flags, position);
    std::string className = reader_.ReadStr();
    std::string objectName = reader_.ReadStr();
    WriteIndent();
    out_ += (flags & ffInherited) ? "inherited " : (flags & ffInline) ? "inline " : "object ";
    if (!objectName.empty()) out_ += objectName + ": ";
    out_ += className;
    if (flags & ffChildPos) out_ += " [" + std::to_string(position) + "]";
    out_ += kLineBreak;
  }

  void ConvertProperty() {
    WriteIndent();
    out_ += reader_.ReadStr() + " = ";
    ConvertValue();
    out_ += kLineBreak;
  }

  void ConvertValue() {
    switch (reader_.NextValue()) {
      case vaList: return ConvertList();
      case vaInt8: case vaInt16: case vaInt32: case vaInt64: out_ += std::to_string(reader_.ReadInt64()); return;
      case vaExtended: out_ += ExtendedToStreamText(reader_.ReadExtended()); return;
      case vaSingle: out_ += SingleToStreamText(reader_.ReadSingle()) + "s"; return;
      case vaCurrency: out_ += CurrencyToStreamText(reader_.ReadCurrency()) + "c"; return;
      case vaDate: out_ += DoubleToStreamText(reader_.ReadDate()) + "d"; return;
      case vaString: case vaLString: return ConvertString(ToUnits(reader_.ReadString()), false);
      case vaWString: case vaUTF8String: return ConvertString(reader_.ReadWideString(), true);
      case vaIdent: case vaFalse: case vaTrue: case vaNil: case vaNull: out_ += reader_.ReadIdent(); return;
      case vaBinary: return ConvertBinary();
      case vaSet: return ConvertSet();
      case vaCollection: return ConvertCollection();
      default: throw EReadError(SInvalidImage);
    }
  }

  void ConvertList() {
    TBinaryValueReader::TNesting nesting(reader_);
    reader_.ReadListBegin();
    out_ += "(";
    ++level_;
    while (!reader_.EndOfList()) {
      NewLine();
      ConvertValue();
    }
    reader_.ReadListEnd();
    --level_;
    out_ += ")";
  }

  static std::wstring ToUnits(const std::string& bytes) {
    std::wstring units;
    for (char c : bytes) units += wchar_t(uint8_t(c));
    return units;
  }

  // Quoted runs of printable characters and #nnn for the others, in pieces of 64 characters
  // joined by " +" line breaks; 8-bit strings keep bytes above 127 in the quotes.
  void ConvertString(const std::wstring& s, bool wide) {
    if (s.empty()) {
      out_ += "''";
      return;
    }
    auto quoted = [&](size_t i) { return s[i] >= L' ' && s[i] != L'\'' && (!wide || s[i] <= 127); };
    ++level_;
    if (s.size() > size_t(kStringLineLength)) NewLine();
    size_t i = 0, lineStart = 0;
    while (i < s.size()) {
      bool lineBreak = false;
      if (quoted(i)) {
        size_t j = i;
        do ++i; while (i < s.size() && quoted(i) && i - lineStart < size_t(kStringLineLength));
        lineBreak = i - lineStart >= size_t(kStringLineLength);
        out_ += '\'';
        for (size_t k = j; k < i; ++k) out_ += char(s[k]);
        out_ += '\'';
      } else {
        out_ += "#" + std::to_string(uint32_t(s[i]) & 0xFFFF);
        ++i;
        lineBreak = i - lineStart >= size_t(kStringLineLength);
      }
      if (lineBreak && i < s.size()) {
        out_ += " +";
        NewLine();
        lineStart = i;
      }
    }
    --level_;
  }

  void ConvertBinary() {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::vector<uint8_t> data = reader_.ReadBinary();
    out_ += "{";
    ++level_;
    bool multiLine = data.size() >= size_t(kBinaryBytesPerLine);
    for (size_t i = 0; i < data.size(); ++i) {
      if (multiLine && i % kBinaryBytesPerLine == 0) NewLine();
      out_ += kHex[data[i] >> 4];
      out_ += kHex[data[i] & 15];
    }
    --level_;
    out_ += "}";
  }

  void ConvertSet() {
    out_ += "[";
    bool first = true;
    for (const std::string& name : reader_.ReadSet()) {
      if (!first) out_ += ", ";
      out_ += name;
      first = false;
    }
    out_ += "]";
  }

  void ConvertCollection() {
    TBinaryValueReader::TNesting nesting(reader_);
    reader_.CheckValue(vaCollection);
    out_ += "<";
    ++level_;
    while (!reader_.EndOfList()) {
      NewLine();
      out_ += "item";
      TValueType next = reader_.NextValue();
      if (next == vaInt8 || next == vaInt16 || next == vaInt32) out_ += " [" + std::to_string(reader_.ReadInteger()) + "]";
      out_ += kLineBreak;
      reader_.ReadListBegin();
      ++level_;
      while (!reader_.EndOfList()) ConvertProperty();
      reader_.ReadListEnd();
      --level_;
      WriteIndent();
      out_ += "end";
    }
    reader_.ReadListEnd();
    --level_;
    out_ += ">";
  }
};

class TTextToBinary {
public:
  TTextToBinary(TStream& input, TStream& output) : parser_(input), writer_(output) {}

  void Convert() {
    writer_.WriteSignature();
    ConvertObject();
  }

private:
  TObjectTextParser parser_;
  TBinaryValueWriter writer_;
  int depth_ = 0;

  using TToken = TObjectTextParser::TToken;

  class TNesting {
  public:
    explicit TNesting(TTextToBinary& owner) : owner_(owner) {
      if (++owner_.depth_ > MaxNestingDepth) owner_.parser_.Error("Nesting too deep");
    }
    ~TNesting() { --owner_.depth_; }

  private:
    TTextToBinary& owner_;
  };

  bool AtObjectKeyword() const {
    return parser_.TokenSymbolIs("object") || parser_.TokenSymbolIs("inherited") || parser_.TokenSymbolIs("inline");
  }

  void ConvertObject() {
    TNesting nesting(*this);
    TFilerFlags flags = 0;
    if (parser_.TokenSymbolIs("inherited")) flags = ffInherited;
    else if (parser_.TokenSymbolIs("inline")) flags = ffInline;
    else parser_.CheckSymbol("object");
    parser_.NextToken();
    ConvertHeader(flags);
    while (!parser_.TokenSymbolIs("end") && !AtObjectKeyword()) ConvertProperty();
    writer_.WriteListEnd();
    while (!parser_.TokenSymbolIs("end")) ConvertObject();
    writer_.WriteListEnd();
    parser_.NextToken();
  }

  void ConvertHeader(TFilerFlags flags) {
    parser_.CheckToken(TToken::Symbol);
    std::string className = parser_.TokenText(), objectName;
    parser_.NextToken();
    if (parser_.IsChar(':')) {
      parser_.NextToken();
      parser_.CheckToken(TToken::Symbol);
      objectName = className;
      className = parser_.TokenText();
      parser_.NextToken();
    }
    std::optional<int32_t> position = ConvertOrder();
    if (position) flags |= ffChildPos;
    writer_.WritePrefix(flags, position.value_or(0));
    writer_.WriteStr(className);
    writer_.WriteStr(objectName);
  }

  // An optional "[n]": child position of an object, order of a collection item.
  std::optional<int32_t> ConvertOrder() {
    if (!parser_.IsChar('[')) return std::nullopt;
    parser_.NextToken();
    parser_.CheckToken(TToken::Integer);
    int64_t value = parser_.TokenInt();
    if (value < INT32_MIN || value > INT32_MAX) parser_.Error("Invalid numeric value");
    parser_.NextToken();
    parser_.CheckChar(']');
    parser_.NextToken();
    return int32_t(value);
  }

  std::string DottedName() {
    parser_.CheckToken(TToken::Symbol);
    std::string name = parser_.TokenText();
    parser_.NextToken();
    while (parser_.IsChar('.')) {
      parser_.NextToken();
      parser_.CheckToken(TToken::Symbol);
      name += "." + parser_.TokenText();
      parser_.NextToken();
    }
    if (name.size() > 255) parser_.Error("Identifier too long");
    return name;
  }

  void ConvertProperty() {
    writer_.WriteStr(DottedName());
    parser_.CheckChar('=');
    parser_.NextToken();
    ConvertValue();
  }

  // Converts the value at the current token and moves past it.
  void ConvertValue() {
    switch (parser_.Token()) {
      case TToken::Symbol: return writer_.WriteIdent(DottedName());
      case TToken::String: return ConvertString();
      case TToken::Integer: writer_.WriteInteger(parser_.TokenInt()); break;
      case TToken::Float: ConvertFloat(); break;
      case TToken::Char:
        if (parser_.IsChar('[')) ConvertSet();
        else if (parser_.IsChar('(')) ConvertList();
        else if (parser_.IsChar('{')) ConvertBinary();
        else if (parser_.IsChar('<')) ConvertCollection();
        else parser_.Error("Invalid property value");
        break;
      default: parser_.Error("Invalid property value");
    }
    parser_.NextToken();
  }

  void ConvertFloat() {
    TExtended80 value = parser_.TokenFloat();
    switch (parser_.FloatType()) {
      case 's': return writer_.WriteSingle(Narrowed(value.ToSingle()));
      case 'd': return writer_.WriteDate(Narrowed(value.ToDouble()));
      case 'c': {
        int64_t scaled;
        if (!TryExtendedToInt64(value, scaled)) parser_.Error("Invalid numeric value");
        return writer_.WriteCurrency(scaled);
      }
      default: return writer_.WriteExtended(value);
    }
  }

  // Singles and dates beyond their range overflow, as on the classic library's floating-point unit.
  template <class T>
  T Narrowed(T value) const {
    if (std::isinf(value)) parser_.Error("Invalid numeric value");
    return value;
  }

  // Quoted pieces joined by "+"; the value is wide when any piece is.
  void ConvertString() {
    std::wstring units = parser_.TokenUnits();
    bool wide = parser_.TokenIsWide();
    for (parser_.NextToken(); parser_.IsChar('+');) {
      parser_.NextToken();
      parser_.CheckToken(TToken::String);
      units += parser_.TokenUnits();
      wide = wide || parser_.TokenIsWide();
      parser_.NextToken();
    }
    if (wide) {
      writer_.WriteWideString(units);
    } else {
      std::string bytes;
      for (wchar_t unit : units) bytes += char(uint8_t(unit));
      writer_.WriteString(bytes);
    }
  }

  void ConvertBinary() {
    std::vector<uint8_t> data = parser_.ReadBinaryUntilBrace();
    writer_.WriteBinary(data.data(), int64_t(data.size()));
  }

  void ConvertSet() {
    std::vector<std::string> names;
    parser_.NextToken();
    if (!parser_.IsChar(']')) {
      for (;;) {
        parser_.CheckToken(TToken::Symbol);
        names.push_back(parser_.TokenText());
        parser_.NextToken();
        if (parser_.IsChar(']')) break;
        parser_.CheckChar(',');
        parser_.NextToken();
      }
    }
    writer_.WriteSet(names);
  }

  void ConvertList() {
    TNesting nesting(*this);
    parser_.NextToken();
    writer_.WriteListBegin();
    while (!parser_.IsChar(')')) {
      if (parser_.Token() == TToken::EndOfFile) parser_.Error("')' expected");
      // Null is written as the byte that ends a list, so inside one it would end it early.
      if (parser_.TokenSymbolIs("Null")) parser_.Error("Invalid property value");
      ConvertValue();
    }
    writer_.WriteListEnd();
  }

  void ConvertCollection() {
    TNesting nesting(*this);
    parser_.NextToken();
    writer_.WriteCollectionBegin();
    while (!parser_.IsChar('>')) {
      parser_.CheckSymbol("item");
      parser_.NextToken();
      writer_.WriteCollectionItem(ConvertOrder());
      while (!parser_.TokenSymbolIs("end")) ConvertProperty();
      writer_.WriteListEnd();
      parser_.NextToken();
    }
    writer_.WriteListEnd();
  }
};

}  // namespace

void ObjectBinaryToText(TStream& input, TStream& output) {
  std::string text = TBinaryToText(input).Convert();
  output.WriteBuffer(text.data(), int64_t(text.size()));
}

void ObjectTextToBinary(TStream& input, TStream& output) {
  TMemoryStream binary;
  TTextToBinary(input, binary).Convert();
  binary.SaveToStream(output);
}
