#include "classlib/core/BinaryValueReader.h"

#include <cstring>
#include <type_traits>

#include "classlib/core/StreamErrors.h"
#include "classlib/core/TextCodec.h"

TBinaryValueReader::TNesting::TNesting(TBinaryValueReader& reader) : reader_(reader) {
  if (++reader_.depth_ > MaxNestingDepth) {
    --reader_.depth_;
    throw EReadError(SInvalidImage);
  }
}

void TBinaryValueReader::ReadSignature() {
  char signature[4];
  stream_.ReadBuffer(signature, 4);
  if (std::memcmp(signature, "TPF0", 4) != 0) throw EReadError(SInvalidImage);
}

void TBinaryValueReader::ReadPrefix(TFilerFlags& flags, int32_t& childPosition) {
  flags = 0;
  childPosition = 0;
  uint8_t prefix = ReadByte();
  if ((prefix & 0xF0) != 0xF0) {
    stream_.Seek(-1, soFromCurrent);
    return;
  }
  flags = prefix & 0x0F;
  if (flags & ffChildPos) childPosition = ReadInteger();
}

std::string TBinaryValueReader::ReadStr() {
  uint8_t length = ReadByte();
  std::string s(length, '\0');
  stream_.ReadBuffer(s.data(), length);
  return s;
}

TValueType TBinaryValueReader::NextValue() {
  TValueType type = ReadValue();
  stream_.Seek(-1, soFromCurrent);
  return type;
}

TValueType TBinaryValueReader::ReadValue() { return TValueType(ReadByte()); }

void TBinaryValueReader::CheckValue(TValueType expected) {
  if (ReadValue() != expected) PropValueError();
}

int32_t TBinaryValueReader::ReadInteger() {
  switch (ReadValue()) {
    case vaInt8: return ReadLittleEndian<int8_t>();
    case vaInt16: return ReadLittleEndian<int16_t>();
    case vaInt32: return ReadLittleEndian<int32_t>();
    default: PropValueError();
  }
}

int64_t TBinaryValueReader::ReadInt64() {
  if (NextValue() != vaInt64) return ReadInteger();
  ReadValue();
  return ReadLittleEndian<int64_t>();
}

double TBinaryValueReader::ReadFloat() {
  switch (NextValue()) {
    case vaExtended: return ReadExtended().ToDouble();
    case vaSingle: return ReadSingle();
    case vaDate: return ReadDate();
    case vaCurrency: return double(ReadCurrency()) / 10000.0;
    default: return double(ReadInt64());
  }
}

TExtended80 TBinaryValueReader::ReadExtended() {
  CheckValue(vaExtended);
  TExtended80 x;
  stream_.ReadBuffer(x.Bytes.data(), 10);
  return x;
}

float TBinaryValueReader::ReadSingle() {
  if (NextValue() != vaSingle) return float(ReadFloat());
  ReadValue();
  uint32_t bits = ReadLittleEndian<uint32_t>();
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

double TBinaryValueReader::ReadDate() {
  if (NextValue() != vaDate) return ReadFloat();
  ReadValue();
  uint64_t bits = ReadLittleEndian<uint64_t>();
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

int64_t TBinaryValueReader::ReadCurrency() {
  if (NextValue() != vaCurrency) {
    int64_t whole = ReadInt64();
    if (whole > INT64_MAX / 10000 || whole < INT64_MIN / 10000) PropValueError();
    return whole * 10000;
  }
  ReadValue();
  return ReadLittleEndian<int64_t>();
}

std::string TBinaryValueReader::ReadString() {
  int32_t length;
  switch (ReadValue()) {
    case vaString: length = ReadByte(); break;
    case vaLString: length = ReadLength(1); break;
    default: PropValueError();
  }
  std::string s(size_t(length), '\0');
  stream_.ReadBuffer(s.data(), length);
  return s;
}

std::wstring TBinaryValueReader::ReadWideString() {
  switch (ReadValue()) {
    case vaWString: {
      int32_t length = ReadLength(2);
      std::wstring s(size_t(length), L'\0');
      for (wchar_t& c : s) c = wchar_t(ReadLittleEndian<uint16_t>());
      return s;
    }
    case vaUTF8String: {
      std::string utf8(size_t(ReadLength(1)), '\0');
      stream_.ReadBuffer(utf8.data(), int64_t(utf8.size()));
      return Utf8ToUtf16(utf8);
    }
    default: PropValueError();
  }
}

std::string TBinaryValueReader::ReadIdent() {
  switch (ReadValue()) {
    case vaIdent: return ReadStr();
    case vaFalse: return "False";
    case vaTrue: return "True";
    case vaNil: return "nil";
    case vaNull: return "Null";
    default: PropValueError();
  }
}

bool TBinaryValueReader::ReadBoolean() {
  switch (ReadValue()) {
    case vaTrue: return true;
    case vaFalse: return false;
    default: PropValueError();
  }
}

std::vector<std::string> TBinaryValueReader::ReadSet() {
  CheckValue(vaSet);
  std::vector<std::string> names;
  for (std::string name = ReadStr(); !name.empty(); name = ReadStr()) names.push_back(std::move(name));
  return names;
}

std::vector<uint8_t> TBinaryValueReader::ReadBinary() {
  CheckValue(vaBinary);
  std::vector<uint8_t> data(size_t(ReadLength(1)));
  stream_.ReadBuffer(data.data(), int64_t(data.size()));
  return data;
}

void TBinaryValueReader::SkipValue() {
  switch (ReadValue()) {
    case vaNull: case vaFalse: case vaTrue: case vaNil: return;
    case vaList: {
      TNesting nesting(*this);
      while (!EndOfList()) SkipValue();
      ReadListEnd();
      return;
    }
    case vaInt8: return Skip(1);
    case vaInt16: return Skip(2);
    case vaInt32: case vaSingle: return Skip(4);
    case vaInt64: case vaCurrency: case vaDate: return Skip(8);
    case vaExtended: return Skip(10);
    case vaString: case vaIdent: return Skip(ReadByte());
    case vaLString: case vaBinary: case vaUTF8String: return Skip(ReadLength(1));
    case vaWString: return Skip(int64_t(ReadLength(2)) * 2);
    case vaSet:
      while (!ReadStr().empty()) {}
      return;
    case vaCollection: {
      TNesting nesting(*this);
      while (!EndOfList()) {
        if (NextValue() == vaInt8 || NextValue() == vaInt16 || NextValue() == vaInt32) SkipValue();
        ReadListBegin();
        while (!EndOfList()) SkipProperty();
        ReadListEnd();
      }
      ReadListEnd();
      return;
    }
    default: throw EReadError(SInvalidImage);
  }
}

void TBinaryValueReader::SkipProperty() {
  ReadStr();
  SkipValue();
}

void TBinaryValueReader::SkipComponent(bool skipHeader) {
  TNesting nesting(*this);
  if (skipHeader) {
    TFilerFlags flags;
    int32_t position;
    ReadPrefix(flags, position);
    ReadStr();
    ReadStr();
  }
  while (!EndOfList()) SkipProperty();
  ReadListEnd();
  while (!EndOfList()) SkipComponent(true);
  ReadListEnd();
}

uint8_t TBinaryValueReader::ReadByte() {
  uint8_t b;
  stream_.ReadBuffer(&b, 1);
  return b;
}

template <class T>
T TBinaryValueReader::ReadLittleEndian() {
  uint8_t bytes[sizeof(T)];
  stream_.ReadBuffer(bytes, sizeof(T));
  std::make_unsigned_t<T> v = 0;
  for (size_t i = sizeof(T); i-- > 0;) v = std::make_unsigned_t<T>((v << 8) | bytes[i]);
  return T(v);
}

// A 32-bit count of units; negative counts are malformed, counts beyond the end are a short read.
int32_t TBinaryValueReader::ReadLength(int64_t unitSize) {
  int32_t length = ReadLittleEndian<int32_t>();
  if (length < 0) throw EReadError(SInvalidImage);
  if (int64_t(length) * unitSize > stream_.Remaining()) throw EReadError(SReadError);
  return length;
}

void TBinaryValueReader::Skip(int64_t count) {
  if (count > stream_.Remaining()) throw EReadError(SReadError);
  stream_.Seek(count, soFromCurrent);
}

void TBinaryValueReader::PropValueError() { throw EReadError(SInvalidPropertyValue); }
