#include "tips/NavigationFilter.h"

#include "classlib/core/SysUtils.h"
#include "tips/shared/TextSearch.h"

std::string NavigationAddress(const Variant& url) { return LowerCase(Trim(VarToStr(url))); }

bool NavigationAllowed(const std::string& address, const std::vector<std::string>& allowedWords) {
  for (const std::string& word : allowedWords)
    if (ContainsText(word, address)) return true;
  return false;
}
