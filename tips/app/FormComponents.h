#pragma once
#include <string>

#include "classlib/core/Component.h"
#include "classlib/core/SysUtils.h"

// The component `name` of a form read from its form resource; EComponentError when the resource
// lacks it or it is of another class.
template <class T>
T* RequiredComponent(const TComponent& form, const char* name) {
  auto* component = dynamic_cast<T*>(form.FindComponent(name));
  if (!component)
    throw EComponentError(Format("%s has no component %s of class %s", form.ClassName().c_str(), name,
                                 T::StaticClass()->Name.c_str()));
  return component;
}
