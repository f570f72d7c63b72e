#pragma once
// The addresses of the tips site and its RPC endpoint, from the deployment configuration.
#include <string>
#include <vector>

std::string TipsHomePage();   // http://HOST
std::string TipsLoginPage();  // http://HOST/kest_tips
std::string TipsRpcEndpoint();  // http://RPCHOST/
// What may load in the login window, and in the pop-up (not the partner's domain there).
std::vector<std::string> LoginNavigationWords();
std::vector<std::string> PopupNavigationWords();
