#include "common/RegistryRoutines.h"
#include "classlib/desktop/Registry.h"

namespace {

bool OpenOrCreate(TRegistry& registry, const std::string& key, HKEY root) {
  registry.SetRootKey(root);
  return registry.OpenKey(key, true);
}

} // namespace

// Each registry object closes its key when it goes, also when an error leaves the routine.

bool ReadRegString(std::string& text, const std::string& name, const std::string& key, HKEY root) {
  TRegistry registry;
  if (!OpenOrCreate(registry, key, root)) return false;
  try {
    if (registry.ValueExists(name)) text = registry.ReadString(name);
  } catch (const std::exception&) {
  }
  return true;
}

bool WriteRegString(const std::string& data, const std::string& name, const std::string& key, HKEY root) {
  TRegistry registry;
  if (!OpenOrCreate(registry, key, root)) return false;
  try {
    registry.WriteString(name, data);
  } catch (const std::exception&) {
  }
  return true;
}

bool WriteRegInteger(int data, const std::string& name, const std::string& key, HKEY root) {
  TRegistry registry;
  if (!OpenOrCreate(registry, key, root)) return false;
  registry.WriteInteger(name, data);
  return true;
}

bool DeleteRegKey(const std::string& name, const std::string& key, HKEY root) {
  TRegistry registry;
  if (!OpenOrCreate(registry, key, root)) return false;
  registry.DeleteValue(name);
  return true;
}
