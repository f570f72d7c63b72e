#pragma once
#include <string>

// Addresses on the update server that with_update_server.sh started for this test program.
std::string ServerUrl(const std::string& path);
// "127.0.0.1:PORT" of that server.
std::string ServerHost();
// A port on 127.0.0.1 where nothing listens.
int ClosedPort();
