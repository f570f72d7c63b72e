#include "common/TextSearch.h"

namespace {

std::string AsciiLower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

} // namespace

bool ContainsText(const std::string& needle, const std::string& text) {
  return !needle.empty() && AsciiLower(text).find(AsciiLower(needle)) != std::string::npos;
}
