#pragma once
#include <string>
#include <vector>

// The request body of a call of `function` with string arguments. Strings go as UTF-8 with their
// length counted in UTF-16 units; the writer emits no references and does not ask for the
// arguments back. An unpaired surrogate is sent as U+FFFD.
std::string EncodeHproseCall(const std::wstring& function, const std::vector<std::wstring>& arguments);
