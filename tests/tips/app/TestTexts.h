#pragma once
#include <string>

// Standard Base64 with padding, as the login page hands over the user record.
std::string EncodeBase64(const std::string& bytes);

// UTF-8 source text as the programs' 8-bit (GBK) text, and as UTF-16.
std::string Gbk(const char* utf8);
std::wstring Wide(const char* utf8);
