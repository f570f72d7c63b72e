#pragma once
#include <ostream>

#include "tips/rpc/HproseValue.h"

// Readable values in test failures: strings with non-ASCII units as \uXXXX.
void PrintTo(const HproseValue& value, std::ostream* out);
