#include "up/UpdateCheck.h"
#include "common/DeployConfig.h"
#include "common/FileVersion.h"
#include "common/Paths.h"
#include "up/InetClient.h"
#include "up/VersionNumber.h"
#include <nlohmann/json.hpp>

namespace {

// A member that is missing or not a string reads as an empty text.
std::string Member(const nlohmann::json& document, const char* name) {
  const auto member = document.find(name);
  return member != document.end() && member->is_string() ? member->get<std::string>() : std::string();
}

// The document as a JSON value; one that cannot be read at all (even for want of memory) is discarded.
nlohmann::json Parsed(const std::string& text) {
  try {
    return nlohmann::json::parse(text, nullptr, /*allow_exceptions=*/false);
  } catch (const std::exception&) {
    return nlohmann::json::value_t::discarded;
  }
}

} // namespace

std::string UpdateServiceUrl(const std::string& host) { return "http://" + host + "/update/"; }

TUpdateDecision DecideUpdate(const std::string& documentText, const std::string& browserVersionText) {
  TUpdateDecision decision;
  decision.LocalVersion = VersionNumber(browserVersionText);
  const nlohmann::json document = Parsed(documentText);
  if (!document.is_object()) return decision;
  decision.RemoteVersion = VersionNumber(Member(document, "version"));
  decision.Due = decision.LocalVersion < decision.RemoteVersion;
  if (decision.Due) {
    decision.InstallerAddress = Member(document, "file");
    decision.Notes = Member(document, "info");
  }
  return decision;
}

TUpdateDecision CheckForUpdate() {
  const std::string browser = AppFolder() + "kest.exe";
  const std::string document = HttpGetText(UpdateServiceUrl(DeployConfig().UpdateHost));
  return DecideUpdate(document, FileVersionText(browser));
}
