#include "tips/browser/NavigationFilter.h"

#include "classlib/core/SysUtils.h"
#include "common/TextSearch.h"

std::string NavigationAddress(const Variant& url) { return LowerCase(Trim(VarToStr(url))); }

bool NavigationAllowed(const std::string& address, const std::vector<std::string>& allowedWords) {
  for (const std::string& word : allowedWords)
    if (ContainsText(word, address)) return true;
  return false;
}
