#include "classlib/core/Persistent.h"

#include "classlib/core/SysUtils.h"

CL_PUBLISHED(TPersistent) {}

void TPersistent::Assign(TPersistent* source) {
  if (source) source->AssignTo(this);
  else AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* dest) { dest->AssignError(this); }

void TPersistent::AssignError(TPersistent* source) {
  std::string sourceName = source ? source->ClassName() : "nil";
  throw EConvertError(Format("Cannot assign a %s to a %s", sourceName.c_str(), ClassName().c_str()));
}

void TPersistent::DefineProperties(TFiler&) {}

std::string TPersistent::GetNamePath() const { return ClassName(); }
