#pragma once
// Streams a component through the binary component stream and its text form, so tests can see
// exactly which properties a value object writes and that they read back.
#include <string>

#include "classlib/core/Component.h"
#include "classlib/core/MemoryStream.h"
#include "classlib/core/ObjectText.h"
#include "classlib/core/Reader.h"
#include "classlib/core/StringStream.h"
#include "classlib/core/Writer.h"

inline std::string SaveAsText(TComponent* component) {
  TMemoryStream binary;
  WriteComponentToStream(binary, component);
  binary.SetPosition(0);
  TStringStream text;
  ObjectBinaryToText(binary, text);
  return text.DataString();
}

inline void LoadFromText(TComponent* root, const std::string& text) {
  TStringStream input(text);
  TMemoryStream binary;
  ObjectTextToBinary(input, binary);
  binary.SetPosition(0);
  ReadComponentFromStream(binary, root);
}

// The property lines of a saved single object, between its header and "end".
inline std::string PropertyLines(TComponent* component) {
  std::string text = SaveAsText(component);
  size_t first = text.find("\r\n") + 2;
  size_t last = text.rfind("end");
  return text.substr(first, last - first);
}
