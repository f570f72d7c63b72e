#pragma once
#include "classlib/desktop/Win32.h"
#include <oaidl.h>

#include "classlib/core/Variant.h"

// An automation value as the class library's Variant: texts wide, whole numbers Integer, byte
// arrays (post data) as 8-bit bytes; a reference is followed; other kinds become their text, or
// empty when they have none.
Variant FromOleVariant(const VARIANT& value);
