#pragma once
#include <string>

// Addresses on the update server that with_update_server.sh started for this test program.
std::string ServerUrl(const std::string& path);
// "127.0.0.1:PORT" of that server.
std::string ServerHost();
// "ftp://" + userInfo + the server's FTP address + path.
std::string FtpUrl(const std::string& userInfo, const std::string& path);
// A port on 127.0.0.1 where nothing listens.
int ClosedPort();
