#pragma once
#include "classlib/desktop/Win32.h"
#include <string>
#include "classlib/core/SysUtils.h"

class ERegistryException : public Exception { using Exception::Exception; };

// Access to one open key below a root key. Reads of a wrong type and failed writes raise
// ERegistryException; opening, probing and deleting report their outcome as a boolean.
class TRegistry {
public:
  TRegistry() = default;
  ~TRegistry();
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  HKEY RootKey() const { return root_; }
  void SetRootKey(HKEY root);

  // Opens `key` below the root (a leading "\" is allowed); with canCreate a missing key is created.
  bool OpenKey(const std::string& key, bool canCreate);
  void CloseKey();

  bool ValueExists(const std::string& name) const;
  // A missing value reads as an empty text; a value that is not a string raises.
  std::string ReadString(const std::string& name) const;
  void WriteString(const std::string& name, const std::string& value);
  int ReadInteger(const std::string& name) const;
  void WriteInteger(const std::string& name, int value);
  bool DeleteValue(const std::string& name);

private:
  HKEY root_ = HKEY_CURRENT_USER;
  HKEY current_ = nullptr;
};
