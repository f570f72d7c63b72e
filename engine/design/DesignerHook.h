#pragma once
// What the host design environment tells design tools about event handlers: the name under
// which it knows a handler, and the handler it has for a name. Without a hook installed no
// handler has a name and no name has a handler.
#include <string>

#include "classlib/core/Event.h"

class IvgDesignerHook {
public:
  // "" for a handler the environment does not know.
  virtual std::string MethodName(const TMethod& method) = 0;
  // An empty method for a name it has no handler for.
  virtual TMethod MethodFromName(const std::string& name) = 0;

protected:
  ~IvgDesignerHook() = default;
};

// The installed hook, nullptr when none; the caller keeps it alive while it is installed.
IvgDesignerHook* vgDesignerHook();
void vgSetDesignerHook(IvgDesignerHook* hook);
