#pragma once
#include <string>

// The path up to and including its last "\" or ":"; empty when it has neither.
std::string FolderOfPath(const std::string& path);
// The running executable's folder, ending in "\".
std::string AppFolder();
