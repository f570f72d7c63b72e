#include "LocalServer.h"
#include <gtest/gtest.h>
#include "classlib/desktop/Win32.h"
#include <winsock2.h>
#include <cstdlib>

namespace {

std::string LocalAddress(const char* portVariable) {
  const char* port = std::getenv(portVariable);
  if (!port) ADD_FAILURE() << portVariable << " is not set: run this program through with_update_server.sh";
  return std::string("127.0.0.1:") + (port ? port : "0");
}

} // namespace

std::string ServerHost() { return LocalAddress("KEST_UPDATE_PORT"); }

std::string FtpUrl(const std::string& userInfo, const std::string& path) {
  return "ftp://" + userInfo + LocalAddress("KEST_FTP_PORT") + path;
}

std::string ServerUrl(const std::string& path) { return "http://" + ServerHost() + path; }

int ClosedPort() {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int length = sizeof address;
  bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
  getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
  closesocket(probe);
  WSACleanup();
  return ntohs(address.sin_port);
}
