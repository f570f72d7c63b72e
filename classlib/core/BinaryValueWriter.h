#pragma once
// Writes the value layer of the binary component stream ("TPF0") as the classic class library
// does: integers in their smallest type, floats as 80-bit extended, strings by length.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "classlib/core/Extended80.h"
#include "classlib/core/Stream.h"
#include "classlib/core/ValueType.h"

class TBinaryValueWriter {
public:
  explicit TBinaryValueWriter(TStream& stream) : stream_(stream) {}

  void WriteSignature();
  void WritePrefix(TFilerFlags flags, int32_t childPosition);  // nothing for no flags
  void WriteStr(const std::string& name);  // a short string; EWriteError beyond 255 bytes
  void WriteValue(TValueType type);
  void WriteListBegin() { WriteValue(vaList); }
  void WriteListEnd() { WriteValue(vaNull); }

  void WriteInteger(int64_t value);  // vaInt8/16/32 by range, else vaInt64
  void WriteFloat(double value) { WriteExtended(TExtended80::FromDouble(value)); }
  void WriteExtended(const TExtended80& value);
  void WriteSingle(float value);
  void WriteDate(double value);
  void WriteCurrency(int64_t scaled);           // in ten-thousandths
  void WriteString(const std::string& value);  // vaString up to 255 bytes, else vaLString
  void WriteWideString(const std::wstring& value);  // vaWString of UTF-16 code units
  void WriteUTF8String(const std::string& utf8);
  void WriteIdent(const std::string& ident);  // False, True, Nil and Null (any case) as their own types
  void WriteBoolean(bool value) { WriteValue(value ? vaTrue : vaFalse); }
  void WriteSet(const std::vector<std::string>& names);
  void WriteBinary(const void* data, int64_t size);
  // A collection: WriteCollectionBegin, then per item WriteCollectionItem, its properties and
  // WriteListEnd, then WriteListEnd.
  void WriteCollectionBegin() { WriteValue(vaCollection); }
  void WriteCollectionItem(std::optional<int32_t> order);

private:
  TStream& stream_;
  void WriteLength(int64_t length);
  template <class T> void WriteLittleEndian(T value);
};
