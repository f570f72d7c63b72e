#include "classlib/desktop/Registry.h"
#include <cstring>
#include <vector>

namespace {

[[noreturn]] void RaiseInvalidType(const std::string& name) {
  throw ERegistryException("Invalid data type for '" + name + "'");
}

std::string WithoutLeadingBackslash(const std::string& key) {
  return !key.empty() && key.front() == '\\' ? key.substr(1) : key;
}

} // namespace

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(HKEY root) {
  if (root == root_) return;
  CloseKey();
  root_ = root;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  const std::string path = WithoutLeadingBackslash(key);
  HKEY opened = nullptr;
  LONG status;
  if (canCreate)
    status = RegCreateKeyExA(root_, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                             &opened, nullptr);
  else
    status = RegOpenKeyExA(root_, path.c_str(), 0, KEY_ALL_ACCESS, &opened);
  if (status != ERROR_SUCCESS) return false;
  CloseKey();
  current_ = opened;
  return true;
}

void TRegistry::CloseKey() {
  if (current_) RegCloseKey(current_);
  current_ = nullptr;
}

bool TRegistry::ValueExists(const std::string& name) const {
  return current_ && RegQueryValueExA(current_, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::string TRegistry::ReadString(const std::string& name) const {
  DWORD type = 0, size = 0;
  if (!current_ || RegQueryValueExA(current_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return {};
  if (type != REG_SZ && type != REG_EXPAND_SZ) RaiseInvalidType(name);
  // One spare byte: a stored string need not end in a zero.
  std::vector<char> data(size + 1, '\0');
  if (RegQueryValueExA(current_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
      ERROR_SUCCESS)
    throw ERegistryException("Failed to get data for '" + name + "'");
  if (type != REG_SZ && type != REG_EXPAND_SZ) RaiseInvalidType(name);
  return std::string(data.data(), strnlen(data.data(), size));
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  if (!current_ || RegSetValueExA(current_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS)
    throw ERegistryException("Failed to set data for '" + name + "'");
}

int TRegistry::ReadInteger(const std::string& name) const {
  DWORD type = 0, value = 0, size = sizeof value;
  if (!current_ ||
      RegQueryValueExA(current_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
    throw ERegistryException("Failed to get data for '" + name + "'");
  if (type != REG_DWORD || size != sizeof value) RaiseInvalidType(name);
  return static_cast<int>(value);
}

void TRegistry::WriteInteger(const std::string& name, int value) {
  const DWORD data = static_cast<DWORD>(value);
  if (!current_ || RegSetValueExA(current_, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                                  sizeof data) != ERROR_SUCCESS)
    throw ERegistryException("Failed to set data for '" + name + "'");
}

bool TRegistry::DeleteValue(const std::string& name) {
  return current_ && RegDeleteValueA(current_, name.c_str()) == ERROR_SUCCESS;
}
