#pragma once
#include <string>

#include "tips/browser/WebPage.h"

// The command a click gives: the class attribute of the clicked element in upper case, as
// 8-bit text ("CLOSE", "AUTORUN", "DELAUTORUN", "ZUNOHUAN" mean something to the windows).
std::string PageCommand(IHtmlEventObj& event);
