#pragma once
#include <string>

// Lenient Base64 decoding of the stored user record and of the tips service's answers.
// Characters outside the standard alphabet are dropped, "=" decodes as zero bits, an incomplete
// last group leaves zero bytes, and trimTrailingZeros removes every zero byte at the end (which
// turns padded input into its exact content). An empty input leaves output untouched.
void DecodeBase64(const std::string& input, std::string& output, bool trimTrailingZeros);
