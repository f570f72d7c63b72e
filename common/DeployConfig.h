#pragma once
#include <string>
#include <string_view>

// The service endpoints a deployment compiles into each program (its KESTCONFIG resource).
struct TDeployConfig {
  std::string UpdateHost;
  std::string TipsHost;
  std::string TipsDomain;
  std::string PartnerDomain;
  std::string TipsRpcHost;
  // up's time-outs in milliseconds, set only to shorten them (tests); empty keeps the shipped ones.
  std::string UpdateTimeoutMs;
  std::string DownloadTimeoutMs;
};

// Key=Value lines; unknown keys and lines without "=" are ignored, missing keys stay empty.
TDeployConfig ParseDeployConfig(std::string_view text);
// The configuration of the running program; all empty when it carries none.
TDeployConfig DeployConfig();
