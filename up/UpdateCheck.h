#pragma once
#include <cstdint>
#include <string>

#include "up/InetClient.h"

struct TDeployConfig;

// What the update check found: whether the service offers a newer browser, and what the window needs.
struct TUpdateDecision {
  bool Due = false;
  uint32_t RemoteVersion = 0;
  uint32_t LocalVersion = 0;
  std::string InstallerAddress; // the document's "file"
  std::string Notes;            // the document's "info", in UTF-8 whatever the document's encoding
};

// The update service's address for a host (and optional ":port").
std::string UpdateServiceUrl(const std::string& host);

// Compares the update document with the browser's file version text. The document is read as UTF-8
// when its bytes are valid UTF-8, else as GBK text. A document that is empty or not a JSON object
// offers nothing; a missing or malformed "version" packs like 1.0.0.0.
TUpdateDecision DecideUpdate(const std::string& documentText, const std::string& browserVersionText);

// up's time-outs as shipped. The update document: 30 s to connect, to send and for each block of
// the answer. The download: 30 s to connect and to send, and 60 s without a byte (a stall).
inline constexpr TInetTimeouts kUpdateTimeouts{30000, 30000, 30000};
inline constexpr TInetTimeouts kDownloadTimeouts{30000, 30000, 60000};
// The shipped time-outs, or all three set to the configuration's UpdateTimeoutMs, DownloadTimeoutMs
// (a positive whole number of milliseconds; anything else is ignored).
TInetTimeouts UpdateTimeouts(const TDeployConfig& config);
TInetTimeouts DownloadTimeouts(const TDeployConfig& config);

// The whole check: the document from the configured service against kest.exe beside this program.
TUpdateDecision CheckForUpdate();
