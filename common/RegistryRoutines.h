#pragma once
#include "classlib/desktop/Win32.h"
#include <string>

// Each routine opens `key` below `root`, creating it when missing, and answers whether that worked.
// Nothing is read, written or deleted when the key cannot be opened.

// Reads the string value `name` into `text` when it exists; `text` keeps its content otherwise.
// Errors of the read are swallowed.
bool ReadRegString(std::string& text, const std::string& name, const std::string& key, HKEY root);
// Writes a REG_SZ value; errors of the write are swallowed.
bool WriteRegString(const std::string& data, const std::string& name, const std::string& key, HKEY root);
// Writes a DWORD value; a failed write raises ERegistryException.
bool WriteRegInteger(int data, const std::string& name, const std::string& key, HKEY root);
// Deletes the value `name`; a missing value is no error.
bool DeleteRegKey(const std::string& name, const std::string& key, HKEY root);
