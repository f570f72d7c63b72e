// Reads arbitrary bytes as the update service's document. Whatever it holds, the check never
// fails: an update is due exactly when the document's version is above the browser's, only then
// are the installer and the notes taken, and the notes are UTF-8. A document written from what
// the check found decides the same.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <nlohmann/json.hpp>

#include "up/UpdateCheck.h"
#include "up/VersionNumber.h"

namespace {

constexpr const char* kBrowserVersion = "1.2.3.4";

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

bool IsUtf8(const std::string& text) {
  try {
    (void)nlohmann::json(text).dump();
    return true;
  } catch (const nlohmann::json::type_error&) {
    return false;
  }
}

std::string VersionText(uint32_t number) {
  return std::to_string(number >> 24) + "." + std::to_string((number >> 16) & 0xFF) + "." +
         std::to_string((number >> 8) & 0xFF) + "." + std::to_string(number & 0xFF);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string document(reinterpret_cast<const char*>(data), size);
  const TUpdateDecision decision = DecideUpdate(document, kBrowserVersion);
  Require(decision.LocalVersion == VersionNumber(kBrowserVersion), "the browser's version packs otherwise");
  Require(decision.Due == (decision.LocalVersion < decision.RemoteVersion), "due without a newer version");
  if (!decision.Due) Require(decision.InstallerAddress.empty() && decision.Notes.empty(), "an installer or notes without an update");
  Require(IsUtf8(decision.Notes), "the notes are not UTF-8");
  if (!decision.Due || !IsUtf8(decision.InstallerAddress)) return 0;

  const nlohmann::json written = {
      {"version", VersionText(decision.RemoteVersion)}, {"file", decision.InstallerAddress}, {"info", decision.Notes}};
  const TUpdateDecision again = DecideUpdate(written.dump(), kBrowserVersion);
  Require(again.Due && again.RemoteVersion == decision.RemoteVersion, "the written document decides otherwise");
  Require(again.InstallerAddress == decision.InstallerAddress && again.Notes == decision.Notes,
          "the written document names another installer or other notes");
  return 0;
}
