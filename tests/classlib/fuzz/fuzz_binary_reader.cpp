// Reads arbitrary bytes as a binary component stream: the whole object tree through the typed
// value reader (skipping some values instead), then through the text converter. Malformed input
// may only raise EReadError.
#include <cstddef>
#include <cstdint>
#include <string>

#include "classlib/core/BinaryValueReader.h"
#include "classlib/core/ObjectText.h"
#include "classlib/core/StreamErrors.h"
#include "classlib/core/StringStream.h"

namespace {

void ReadValue(TBinaryValueReader& r);

void ReadProperties(TBinaryValueReader& r) {
  while (!r.EndOfList()) {
    std::string name = r.ReadStr();
    if (name.size() % 3 == 0) r.SkipValue(); else ReadValue(r);
  }
  r.ReadListEnd();
}

void ReadValue(TBinaryValueReader& r) {
  switch (r.NextValue()) {
    case vaList: {
      TBinaryValueReader::TNesting nesting(r);
      r.ReadListBegin();
      while (!r.EndOfList()) ReadValue(r);
      r.ReadListEnd();
      return;
    }
    case vaInt8: case vaInt16: case vaInt32: r.ReadInteger(); return;
    case vaInt64: r.ReadInt64(); return;
    case vaExtended: r.ReadFloat(); return;
    case vaSingle: r.ReadSingle(); return;
    case vaCurrency: r.ReadCurrency(); return;
    case vaDate: r.ReadDate(); return;
    case vaString: case vaLString: r.ReadString(); return;
    case vaWString: case vaUTF8String: r.ReadWideString(); return;
    case vaIdent: case vaNil: case vaNull: r.ReadIdent(); return;
    case vaFalse: case vaTrue: r.ReadBoolean(); return;
    case vaSet: r.ReadSet(); return;
    case vaBinary: r.ReadBinary(); return;
    case vaCollection: {
      TBinaryValueReader::TNesting nesting(r);
      r.CheckValue(vaCollection);
      while (!r.EndOfList()) {
        if (r.NextValue() != vaList) r.ReadInteger();
        r.ReadListBegin();
        ReadProperties(r);
      }
      r.ReadListEnd();
      return;
    }
    default: r.SkipValue();  // raises for an unknown type
  }
}

void ReadObject(TBinaryValueReader& r) {
  TBinaryValueReader::TNesting nesting(r);
  TFilerFlags flags;
  int32_t position;
  r.ReadPrefix(flags, position);
  std::string className = r.ReadStr();
  r.ReadStr();
  if (className.size() % 4 == 1) {
    r.SkipComponent(false);
    return;
  }
  ReadProperties(r);
  while (!r.EndOfList()) ReadObject(r);
  r.ReadListEnd();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  try {
    TStringStream s(bytes);
    TBinaryValueReader r(s);
    r.ReadSignature();
    ReadObject(r);
  } catch (const EReadError&) {
  }
  try {
    TStringStream in(bytes), out;
    ObjectBinaryToText(in, out);
  } catch (const EReadError&) {
  }
  return 0;
}
