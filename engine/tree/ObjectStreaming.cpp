#include "engine/tree/ObjectStreaming.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "classlib/core/MemoryStream.h"
#include "classlib/core/ObjectText.h"
#include "classlib/core/Reader.h"
#include "classlib/core/StreamErrors.h"
#include "classlib/core/Writer.h"
#include "engine/tree/Object.h"

namespace {

uint8_t ReadByte(TStream& stream) {
  uint8_t b;
  stream.ReadBuffer(&b, 1);
  return b;
}

std::string ReadShortString(TStream& stream, uint8_t length) {
  std::string text(length, '\0');
  stream.ReadBuffer(text.data(), length);
  return text;
}

// The child position that an object prefix with flag 2 carries: a small integer value.
void SkipChildPosition(TStream& stream) {
  switch (ReadByte(stream)) {
    case 2: stream.Seek(1, soFromCurrent); break;
    case 3: stream.Seek(2, soFromCurrent); break;
    case 4: stream.Seek(4, soFromCurrent); break;
    default: throw EReadError("Invalid property value");
  }
}

// The class name of the stream's object; the stream is left after it.
std::string ReadClassName(TStream& stream) {
  char signature[4];
  stream.ReadBuffer(signature, 4);
  if (std::memcmp(signature, "TPF0", 4) != 0) throw EReadError("Invalid stream format");
  uint8_t b = ReadByte(stream);
  if ((b & 0xF0) == 0xF0) {
    if (b & 0x02) SkipChildPosition(stream);
    b = ReadByte(stream);
  }
  return ReadShortString(stream, b);
}

TvgObject* CreateObjectOfClass(const std::string& className, TComponent* owner) {
  TClass objectClass = GetClass(className);
  if (!objectClass || !objectClass->InheritsFrom(TvgObject::StaticClass()) || !objectClass->Construct)
    return nullptr;
  return dynamic_cast<TvgObject*>(objectClass->Construct(owner));
}

}  // namespace

void vgSaveObjectToStream(TvgObject* object, TStream& stream) {
  TWriter writer(stream);
  writer.WriteRootComponent(object);
}

void vgSaveObjectToText(TvgObject* object, TStream& stream) {
  TMemoryStream binary;
  vgSaveObjectToStream(object, binary);
  binary.SetPosition(0);
  ObjectBinaryToText(binary, stream);
}

void vgReadObjectFromStream(TComponent* component, TStream& stream) {
  bool designing = component->HasState(csDesigning);
  if (!designing) component->SetDesigning(true);
  try {
    TReader reader(stream);
    reader.OnSetName = [](TReader*, TComponent*, std::string& name) { name.clear(); };
    reader.OnError = [](TReader*, const std::string&, bool& handled) { handled = true; };
    reader.ReadRootComponent(component);
  } catch (...) {
    if (!designing) component->SetDesigning(false);
    throw;
  }
  if (!designing) component->SetDesigning(false);
}

TvgObject* vgLoadObjectFromBinary(TComponent* owner, TStream& stream) {
  TvgObject* object = nullptr;
  try {
    int64_t start = stream.Position();
    object = CreateObjectOfClass(ReadClassName(stream), owner);
    if (!object) return nullptr;
    stream.SetPosition(start);
    vgReadObjectFromStream(object, stream);
    return object;
  } catch (...) {
    // Nobody else holds the half-read object, not even a caller that passed an owner.
    if (object) object->Free();
    return nullptr;
  }
}

TvgObject* vgLoadObjectFromText(TComponent* owner, TStream& stream) {
  TMemoryStream binary;
  try {
    ObjectTextToBinary(stream, binary);
  } catch (...) {
    return nullptr;
  }
  binary.SetPosition(0);
  return vgLoadObjectFromBinary(owner, binary);
}
