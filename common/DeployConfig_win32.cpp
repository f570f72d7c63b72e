#include "common/DeployConfig.h"
#include "classlib/desktop/Win32.h"

namespace {

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

void Apply(TDeployConfig& config, std::string_view key, std::string_view value) {
  std::string* field = nullptr;
  if (key == "UpdateHost") field = &config.UpdateHost;
  else if (key == "TipsHost") field = &config.TipsHost;
  else if (key == "TipsDomain") field = &config.TipsDomain;
  else if (key == "PartnerDomain") field = &config.PartnerDomain;
  else if (key == "TipsRpcHost") field = &config.TipsRpcHost;
  else if (key == "UpdateTimeoutMs") field = &config.UpdateTimeoutMs;
  else if (key == "DownloadTimeoutMs") field = &config.DownloadTimeoutMs;
  if (field) *field = std::string(value);
}

std::string_view OwnConfigResource() {
  HRSRC resource = FindResourceA(nullptr, "KESTCONFIG", MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  HGLOBAL loaded = resource ? LoadResource(nullptr, resource) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return std::string_view(static_cast<const char*>(data), SizeofResource(nullptr, resource));
}

} // namespace

TDeployConfig ParseDeployConfig(std::string_view text) {
  TDeployConfig config;
  while (!text.empty()) {
    const auto end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const auto equals = line.find('=');
    if (equals != std::string_view::npos) Apply(config, Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)));
  }
  return config;
}

TDeployConfig DeployConfig() { return ParseDeployConfig(OwnConfigResource()); }
