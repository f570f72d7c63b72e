#pragma once
#include <string>

class TEmbeddedWB;

// The attribute `attr` of the element named or identified `id` in the browser's top-level
// document, as trimmed 8-bit text; empty when the element or the value is missing. Raises
// EOleError when the top-level document is not an HTML document.
std::string GetElementAttribute(TEmbeddedWB& browser, const std::string& id, const std::string& attr);
