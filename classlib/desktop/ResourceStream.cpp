#include "classlib/desktop/ResourceStream.h"

#include "classlib/desktop/Win32.h"

#include "classlib/core/StreamErrors.h"

TResourceStream::TResourceStream(const std::string& name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
  HGLOBAL handle = info ? LoadResource(module, info) : nullptr;
  const void* data = handle ? LockResource(handle) : nullptr;
  if (!data) throw EResNotFound("Resource " + name + " not found");
  SetPointer(data, SizeofResource(module, info));
}

int64_t TResourceStream::Write(const void*, int64_t) {
  throw EStreamError("Can't write to a read-only resource stream");
}
