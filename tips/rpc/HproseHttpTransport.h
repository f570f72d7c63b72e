#pragma once
#include <string>

// Connection settings of one post, taken from the client's properties.
struct HproseHttpOptions {
  std::string UserAgent;  // none is sent when empty
  int TimeoutMs = 0;      // for sending the request and for each wait on the reply
  int ConnectionTimeoutMs = 0;
  bool KeepAlive = true;
  int KeepAliveTimeoutS = 0;
};

// HTTP POST of Hprose requests over WinInet. The session and the connection stay open between
// posts so a kept-alive connection is reused; a failed post drops them and the next one starts
// afresh.
class HproseHttpTransport {
public:
  HproseHttpTransport() = default;
  ~HproseHttpTransport();
  HproseHttpTransport(const HproseHttpTransport&) = delete;
  HproseHttpTransport& operator=(const HproseHttpTransport&) = delete;

  // The body of a 200 answer. An unusable URI raises EHproseException; every failure to get a
  // complete 200 answer raises EHproseTransportError.
  std::string Post(const std::string& uri, const std::string& body, const HproseHttpOptions& options);

private:
  void* session_ = nullptr;     // HINTERNET of InternetOpen
  void* connection_ = nullptr;  // HINTERNET of InternetConnect to connectedTo_
  std::string connectedTo_;     // "host:port"

  void* Connect(const std::string& host, unsigned short port);
  void Disconnect();
};
