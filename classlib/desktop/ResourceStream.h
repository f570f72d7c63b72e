#pragma once
// A read-only stream over an RCDATA resource of the running program (form resources, styles).
#include <string>

#include "classlib/core/MemoryStream.h"

class TResourceStream : public TCustomMemoryStream {
public:
  explicit TResourceStream(const std::string& name);  // EResNotFound "Resource %s not found"
  // EStreamError "Can't write to a read-only resource stream".
  int64_t Write(const void* buffer, int64_t count) override;
};
