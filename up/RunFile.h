#pragma once
#include <string>

// Asks the shell to open `file` with its default verb and `parameters`, shown normally; does not wait.
void RunFile(const std::string& file, const std::string& parameters);
