#include "up/UpdateCheck.h"
#include "common/DeployConfig.h"
#include "up/VersionNumber.h"
#include "classlib/core/TextCodec.h"
#include "classlib/core/SysUtils.h"
#include <nlohmann/json.hpp>
#include <utility>

namespace {

// A member that is missing or not a string reads as an empty text. It is taken out of the
// document (the notes can be long).
std::string TakeMember(nlohmann::json& document, const char* name) {
  const auto member = document.find(name);
  if (member == document.end() || !member->is_string()) return {};
  return std::move(member->get_ref<std::string&>());
}

// The document as a JSON value, read leniently (comments are skipped): its bytes when they are
// valid UTF-8 (ASCII included), else the text widened from the programs' 8-bit code page (GBK, the
// system code page of the Chinese Windows the programs ship for), as the user record is read. One
// that cannot be read at all (even for want of memory) is discarded.
nlohmann::json Parsed(const std::string& text) {
  try {
    if (IsValidUtf8(text)) return nlohmann::json::parse(text, nullptr, /*allow_exceptions=*/false, /*ignore_comments=*/true);
    return nlohmann::json::parse(GbkToUtf16(text), nullptr, /*allow_exceptions=*/false, /*ignore_comments=*/true);
  } catch (const std::exception&) {
    return nlohmann::json::value_t::discarded;
  }
}

// Every time-out set to the configured value, when that is a positive number of milliseconds.
TInetTimeouts Configured(const std::string& value, const TInetTimeouts& shipped) {
  int32_t ms = 0;
  if (!TryStrToInt(value, ms) || ms <= 0) return shipped;
  return {ms, ms, ms};
}

} // namespace

TInetTimeouts UpdateTimeouts(const TDeployConfig& config) { return Configured(config.UpdateTimeoutMs, kUpdateTimeouts); }

TInetTimeouts DownloadTimeouts(const TDeployConfig& config) {
  return Configured(config.DownloadTimeoutMs, kDownloadTimeouts);
}

std::string UpdateServiceUrl(const std::string& host) { return "http://" + host + "/update/"; }

TUpdateDecision DecideUpdate(const std::string& documentText, const std::string& browserVersionText) {
  TUpdateDecision decision;
  decision.LocalVersion = VersionNumber(browserVersionText);
  nlohmann::json document = Parsed(documentText);
  if (!document.is_object()) return decision;
  decision.RemoteVersion = VersionNumber(TakeMember(document, "version"));
  decision.Due = decision.LocalVersion < decision.RemoteVersion;
  if (decision.Due) {
    decision.InstallerAddress = TakeMember(document, "file");
    decision.Notes = TakeMember(document, "info");
  }
  return decision;
}
