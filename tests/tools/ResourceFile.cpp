#include "ResourceFile.h"

namespace {

class TDataModule {
public:
  explicit TDataModule(const std::string& file)
      : module_(LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~TDataModule() {
    if (module_) FreeLibrary(module_);
  }
  TDataModule(const TDataModule&) = delete;
  TDataModule& operator=(const TDataModule&) = delete;
  HMODULE Get() const { return module_; }

private:
  HMODULE module_;
};

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR list) {
  reinterpret_cast<std::vector<WORD>*>(list)->push_back(language);
  return TRUE;
}

std::vector<WORD> LanguagesOf(const std::string& file, LPCSTR type, LPCSTR name) {
  std::vector<WORD> languages;
  TDataModule module(file);
  if (module.Get())
    EnumResourceLanguagesA(module.Get(), type, name, CollectLanguage, reinterpret_cast<LONG_PTR>(&languages));
  return languages;
}

std::string LastErrorText(const char* step) { return std::string(step) + " failed, error " + std::to_string(GetLastError()); }

} // namespace

std::optional<TResourceData> ReadResource(const std::string& file, LPCSTR type, LPCSTR name) {
  const std::vector<WORD> languages = LanguagesOf(file, type, name);
  if (languages.empty()) return std::nullopt;
  TDataModule module(file);
  HRSRC resource = FindResourceExA(module.Get(), type, name, languages.front());
  HGLOBAL loaded = resource ? LoadResource(module.Get(), resource) : nullptr;
  const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
  if (!bytes) return std::nullopt;
  return TResourceData{std::string(bytes, SizeofResource(module.Get(), resource)), languages.front()};
}

bool WriteResource(const std::string& file, LPCSTR type, LPCSTR name, const TResourceData& data, std::string& error) {
  const std::vector<WORD> languages = LanguagesOf(file, type, name);
  HANDLE update = BeginUpdateResourceA(file.c_str(), FALSE);
  if (!update) {
    error = LastErrorText("BeginUpdateResource");
    return false;
  }
  bool ok = true;
  for (WORD language : languages) ok = ok && UpdateResourceA(update, type, name, language, nullptr, 0);
  ok = ok && UpdateResourceA(update, type, name, data.Language, const_cast<char*>(data.Bytes.data()),
                             static_cast<DWORD>(data.Bytes.size()));
  if (!ok) error = LastErrorText("UpdateResource");
  if (!EndUpdateResourceA(update, !ok) && ok) {
    error = LastErrorText("EndUpdateResource");
    ok = false;
  }
  return ok;
}
