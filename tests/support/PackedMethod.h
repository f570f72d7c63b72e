#pragma once
// A published method of an object packed into a Variant ("vgmet" and the two pointers), as data
// binding hands event handlers to controls.
#include <cstdint>
#include <cstdio>

#include "classlib/core/Component.h"
#include "classlib/core/Property.h"
#include "classlib/core/Variant.h"

inline Variant PackedMethod(TObject& target, const char* name) {
  char packed[32];
  snprintf(packed, sizeof packed, "vgmet%08X%08X", unsigned(uintptr_t(&target)),
           unsigned(uintptr_t(target.MethodAddress(name))));
  return Variant(packed);
}

// An owner with a published handler that counts its calls.
class TChangeCounter : public TComponent {
  CL_CLASS(TChangeCounter, TComponent)
public:
  using TComponent::TComponent;
  int calls = 0;
  void Changed(TObject*) { ++calls; }
};

// Defined here, inline, so that every test file of a program may use it.
inline TClass TChangeCounter::StaticClass() {
  static const TClassInfo* info = TClassBuilder<TChangeCounter>::Build("TChangeCounter");
  return info;
}
inline void TChangeCounter::DeclarePublished(TClassBuilder<TChangeCounter>& published) {
  CL_METHOD(TChangeCounter, Changed);
}
