#include "classlib/core/BinaryValueWriter.h"

#include <cstring>
#include <type_traits>

#include "classlib/core/StreamErrors.h"
#include "classlib/core/SysUtils.h"

void TBinaryValueWriter::WriteSignature() { stream_.WriteBuffer("TPF0", 4); }

void TBinaryValueWriter::WritePrefix(TFilerFlags flags, int32_t childPosition) {
  if (flags == 0) return;
  uint8_t prefix = uint8_t(0xF0 | flags);
  stream_.WriteBuffer(&prefix, 1);
  if (flags & ffChildPos) WriteInteger(childPosition);
}

void TBinaryValueWriter::WriteStr(const std::string& name) {
  if (name.size() > 255) throw EWriteError("Name too long for the component stream: " + name.substr(0, 32) + "...");
  uint8_t length = uint8_t(name.size());
  stream_.WriteBuffer(&length, 1);
  stream_.WriteBuffer(name.data(), length);
}

void TBinaryValueWriter::WriteValue(TValueType type) { stream_.WriteBuffer(&type, 1); }

void TBinaryValueWriter::WriteInteger(int64_t value) {
  if (value >= INT8_MIN && value <= INT8_MAX) {
    WriteValue(vaInt8);
    WriteLittleEndian(int8_t(value));
  } else if (value >= INT16_MIN && value <= INT16_MAX) {
    WriteValue(vaInt16);
    WriteLittleEndian(int16_t(value));
  } else if (value >= INT32_MIN && value <= INT32_MAX) {
    WriteValue(vaInt32);
    WriteLittleEndian(int32_t(value));
  } else {
    WriteValue(vaInt64);
    WriteLittleEndian(value);
  }
}

void TBinaryValueWriter::WriteExtended(const TExtended80& value) {
  WriteValue(vaExtended);
  stream_.WriteBuffer(value.Bytes.data(), 10);
}

void TBinaryValueWriter::WriteSingle(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  WriteValue(vaSingle);
  WriteLittleEndian(bits);
}

void TBinaryValueWriter::WriteDate(double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  WriteValue(vaDate);
  WriteLittleEndian(bits);
}

void TBinaryValueWriter::WriteCurrency(int64_t scaled) {
  WriteValue(vaCurrency);
  WriteLittleEndian(scaled);
}

void TBinaryValueWriter::WriteString(const std::string& value) {
  if (value.size() <= 255) {
    WriteValue(vaString);
    uint8_t length = uint8_t(value.size());
    stream_.WriteBuffer(&length, 1);
  } else {
    WriteValue(vaLString);
    WriteLength(int64_t(value.size()));
  }
  stream_.WriteBuffer(value.data(), int64_t(value.size()));
}

void TBinaryValueWriter::WriteWideString(const std::wstring& value) {
  std::vector<uint16_t> units;
  for (wchar_t c : value) {
    uint32_t cp = uint32_t(c);
    if (cp > 0xFFFF) {  // hosts with 32-bit wchar_t: back to a surrogate pair
      units.push_back(uint16_t(0xD800 + ((cp - 0x10000) >> 10)));
      units.push_back(uint16_t(0xDC00 + ((cp - 0x10000) & 0x3FF)));
    } else {
      units.push_back(uint16_t(cp));
    }
  }
  WriteValue(vaWString);
  WriteLength(int64_t(units.size()));
  for (uint16_t unit : units) WriteLittleEndian(unit);
}

void TBinaryValueWriter::WriteUTF8String(const std::string& utf8) {
  WriteValue(vaUTF8String);
  WriteLength(int64_t(utf8.size()));
  stream_.WriteBuffer(utf8.data(), int64_t(utf8.size()));
}

void TBinaryValueWriter::WriteIdent(const std::string& ident) {
  if (SameText(ident, "False")) WriteValue(vaFalse);
  else if (SameText(ident, "True")) WriteValue(vaTrue);
  else if (SameText(ident, "Nil")) WriteValue(vaNil);
  else if (SameText(ident, "Null")) WriteValue(vaNull);
  else {
    WriteValue(vaIdent);
    WriteStr(ident);
  }
}

void TBinaryValueWriter::WriteSet(const std::vector<std::string>& names) {
  WriteValue(vaSet);
  for (const std::string& name : names) WriteStr(name);
  WriteStr("");
}

void TBinaryValueWriter::WriteBinary(const void* data, int64_t size) {
  WriteValue(vaBinary);
  WriteLength(size);
  stream_.WriteBuffer(data, size);
}

void TBinaryValueWriter::WriteCollectionItem(std::optional<int32_t> order) {
  if (order) WriteInteger(*order);
  WriteListBegin();
}

void TBinaryValueWriter::WriteLength(int64_t length) {
  if (length > INT32_MAX) throw EWriteError(SWriteError);
  WriteLittleEndian(int32_t(length));
}

template <class T>
void TBinaryValueWriter::WriteLittleEndian(T value) {
  uint8_t bytes[sizeof(T)];
  auto v = std::make_unsigned_t<T>(value);
  for (size_t i = 0; i < sizeof(T); ++i, v = std::make_unsigned_t<T>(v >> 8)) bytes[i] = uint8_t(v);
  stream_.WriteBuffer(bytes, sizeof(T));
}
