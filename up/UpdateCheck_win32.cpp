#include "up/UpdateCheck.h"
#include "common/DeployConfig.h"
#include "common/FileVersion.h"
#include "common/Paths.h"
#include "up/InetClient.h"

TUpdateDecision CheckForUpdate() {
  const std::string browser = AppFolder() + "kest.exe";
  const TDeployConfig config = DeployConfig();
  const std::string document = HttpGetText(UpdateServiceUrl(config.UpdateHost), nullptr, UpdateTimeouts(config));
  return DecideUpdate(document, FileVersionText(browser));
}
