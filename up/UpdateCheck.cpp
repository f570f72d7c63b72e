#include "up/UpdateCheck.h"
#include "tips/shared/DeployConfig.h"
#include "tips/shared/FileVersion.h"
#include "tips/shared/Paths.h"
#include "up/InetClient.h"
#include "up/VersionNumber.h"
#include <nlohmann/json.hpp>

namespace {

// A member that is missing or not a string reads as an empty text.
std::string Member(const nlohmann::json& document, const char* name) {
  const auto member = document.find(name);
  return member != document.end() && member->is_string() ? member->get<std::string>() : std::string();
}

} // namespace

std::string UpdateServiceUrl(const std::string& host) { return "http://" + host + "/update/"; }

TUpdateDecision DecideUpdate(const std::string& documentText, const std::string& browserVersionText) {
  TUpdateDecision decision;
  decision.LocalVersion = VersionNumber(browserVersionText);
  const nlohmann::json document = nlohmann::json::parse(documentText, nullptr, /*allow_exceptions=*/false);
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
