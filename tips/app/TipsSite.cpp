#include "tips/app/TipsSite.h"

#include "common/DeployConfig.h"

std::string TipsHomePage() { return "http://" + DeployConfig().TipsHost; }

std::string TipsLoginPage() { return TipsHomePage() + "/kest_tips"; }

std::string TipsRpcEndpoint() { return "http://" + DeployConfig().TipsRpcHost + "/"; }

std::vector<std::string> LoginNavigationWords() {
  const TDeployConfig config = DeployConfig();
  return {"kest_tips", "about:blank", config.TipsDomain, config.PartnerDomain};
}

std::vector<std::string> PopupNavigationWords() { return {"kest_tips", "about:blank", DeployConfig().TipsDomain}; }
