#pragma once
#include <string>

// Whether the needle occurs in the text, ASCII letters compared without case; an empty needle never does.
bool ContainsText(const std::string& needle, const std::string& text);
