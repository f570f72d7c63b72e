#pragma once
#include <string>
#include <vector>

#include "classlib/core/Variant.h"

// The address of a navigation as the windows compare it and hand it on: its text, trimmed, in
// lower case.
std::string NavigationAddress(const Variant& url);
// Whether the address may load in the window: it contains one of the words, case ignored.
bool NavigationAllowed(const std::string& address, const std::vector<std::string>& allowedWords);
