#pragma once
#include <cstdint>
#include <string>

// What the update check found: whether the service offers a newer browser, and what the window needs.
struct TUpdateDecision {
  bool Due = false;
  uint32_t RemoteVersion = 0;
  uint32_t LocalVersion = 0;
  std::string InstallerAddress; // the document's "file"
  std::string Notes;            // the document's "info", UTF-8 as the document carries it
};

// The update service's address for a host (and optional ":port").
std::string UpdateServiceUrl(const std::string& host);

// Compares the update document with the browser's file version text. A document that is empty or
// not a JSON object offers nothing; a missing or malformed "version" packs like 1.0.0.0.
TUpdateDecision DecideUpdate(const std::string& documentText, const std::string& browserVersionText);

// The whole check: the document from the configured service against kest.exe beside this program.
TUpdateDecision CheckForUpdate();
