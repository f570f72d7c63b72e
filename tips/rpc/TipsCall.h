#pragma once
// The pieces of the tray mode's call of the tips service.
#include <string>

// Lower-case hexadecimal MD5 of id + account + id.
std::string CallSignature(const std::string& id, const std::string& account);
// The browser-like user agent of the call, ending in this program's file version.
std::string TipsUserAgent();
