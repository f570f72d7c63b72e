#pragma once
// Reads the value layer of the binary component stream ("TPF0"): signature, object prefixes,
// names and typed values, with skipping of any value. TReader builds objects on top of it.
// Every malformed input raises EReadError: "Stream read error" when the stream ends early (also
// for a length beyond the end), "Invalid stream format" for a wrong signature, an unknown value
// type or nesting deeper than MaxNestingDepth, "Invalid property value" for a value of the wrong
// type. Lengths are checked against the stream before anything is allocated.
#include <cstdint>
#include <string>
#include <vector>

#include "classlib/core/Extended80.h"
#include "classlib/core/Stream.h"
#include "classlib/core/ValueType.h"

class TBinaryValueReader {
public:
  explicit TBinaryValueReader(TStream& stream) : stream_(stream) {}

  void ReadSignature();
  // The optional prefix byte; childPosition is read when ffChildPos is set, else left at 0.
  void ReadPrefix(TFilerFlags& flags, int32_t& childPosition);
  std::string ReadStr();  // a short string: class, object, property and set element names

  TValueType NextValue();  // the next type byte, not consumed
  TValueType ReadValue();
  bool EndOfList() { return NextValue() == vaNull; }
  void CheckValue(TValueType expected);  // consumes it; "Invalid property value" when it differs
  void ReadListBegin() { CheckValue(vaList); }
  void ReadListEnd() { CheckValue(vaNull); }

  int32_t ReadInteger();  // vaInt8, vaInt16, vaInt32
  int64_t ReadInt64();    // also vaInt64
  // Floats read any numeric value; integers convert, currency is divided by 10000.
  double ReadFloat();
  TExtended80 ReadExtended();  // vaExtended only, bit for bit
  float ReadSingle();
  double ReadDate();
  int64_t ReadCurrency();  // in ten-thousandths; integers are scaled
  std::string ReadString();       // vaString, vaLString: bytes as stored
  std::wstring ReadWideString();  // vaWString, vaUTF8String: UTF-16 code units
  std::string ReadIdent();        // vaIdent; vaFalse, vaTrue, vaNil and vaNull as "False", "True", "nil", "Null"
  bool ReadBoolean();
  std::vector<std::string> ReadSet();
  std::vector<uint8_t> ReadBinary();

  void SkipValue();
  void SkipProperty();                  // a name and its value
  void SkipComponent(bool skipHeader);  // an object with its properties and children

  // Counts one level of lists, collections or objects while it lives.
  class TNesting {
  public:
    explicit TNesting(TBinaryValueReader& reader);
    ~TNesting() { --reader_.depth_; }
    TNesting(const TNesting&) = delete;
    TNesting& operator=(const TNesting&) = delete;

  private:
    TBinaryValueReader& reader_;
  };

private:
  TStream& stream_;
  int depth_ = 0;
  uint8_t ReadByte();
  template <class T> T ReadLittleEndian();
  int32_t ReadLength(int64_t unitSize);
  void Skip(int64_t count);
  [[noreturn]] void PropValueError();
};
