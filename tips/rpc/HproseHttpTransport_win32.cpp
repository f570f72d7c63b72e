#include "tips/rpc/HproseHttpTransport.h"

#include "classlib/desktop/Win32.h"
#include <wininet.h>

#include "tips/rpc/HproseErrors.h"

namespace {

// A reply this large is no answer of the tips service; reading on would only exhaust memory.
constexpr std::size_t kMaxReplyBytes = 16 * 1024 * 1024;

struct Target {
  std::string host;
  INTERNET_PORT port;
  std::string path;
};

Target ParseUri(const std::string& uri) {
  char host[256] = "", path[2048] = "", extra[2048] = "";
  URL_COMPONENTSA parts{};
  parts.dwStructSize = sizeof(parts);
  parts.lpszHostName = host;
  parts.dwHostNameLength = sizeof(host);
  parts.lpszUrlPath = path;
  parts.dwUrlPathLength = sizeof(path);
  parts.lpszExtraInfo = extra;
  parts.dwExtraInfoLength = sizeof(extra);
  if (!InternetCrackUrlA(uri.c_str(), 0, 0, &parts) || parts.nScheme != INTERNET_SCHEME_HTTP || host[0] == '\0') {
    throw EHproseException("The Hprose service address \"" + uri + "\" is not an http:// address");
  }
  std::string target = std::string(path) + extra;
  return {host, parts.nPort, target.empty() ? "/" : target};
}

[[noreturn]] void FailPost(const std::string& uri, const std::string& what) {
  throw EHproseTransportError(uri + ": " + what);
}

[[noreturn]] void FailWinInet(const std::string& uri, const std::string& what) {
  const DWORD error = GetLastError();
  FailPost(uri, what + " (WinInet error " + std::to_string(error) + ")");
}

class RequestHandle {
public:
  explicit RequestHandle(HINTERNET handle) : handle_(handle) {}
  ~RequestHandle() {
    if (handle_) InternetCloseHandle(handle_);
  }
  RequestHandle(const RequestHandle&) = delete;
  RequestHandle& operator=(const RequestHandle&) = delete;
  HINTERNET get() const { return handle_; }

private:
  HINTERNET handle_;
};

void SetTimeouts(HINTERNET request, const HproseHttpOptions& options) {
  DWORD connect = options.ConnectionTimeoutMs, transfer = options.TimeoutMs;
  InternetSetOptionA(request, INTERNET_OPTION_CONNECT_TIMEOUT, &connect, sizeof(connect));
  InternetSetOptionA(request, INTERNET_OPTION_SEND_TIMEOUT, &transfer, sizeof(transfer));
  InternetSetOptionA(request, INTERNET_OPTION_RECEIVE_TIMEOUT, &transfer, sizeof(transfer));
}

std::string RequestHeaders(const HproseHttpOptions& options) {
  std::string headers = "Content-Type: application/hprose\r\n";
  if (!options.UserAgent.empty()) headers += "User-Agent: " + options.UserAgent + "\r\n";
  if (options.KeepAlive) {
    headers += "Connection: keep-alive\r\nKeep-Alive: " + std::to_string(options.KeepAliveTimeoutS) + "\r\n";
  } else {
    headers += "Connection: close\r\n";
  }
  return headers;
}

bool QueryNumber(HINTERNET request, DWORD info, DWORD& value) {
  DWORD size = sizeof(value);
  return HttpQueryInfoA(request, info | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr);
}

std::string ReadBody(HINTERNET request, const std::string& uri) {
  std::string body;
  char chunk[16384];
  DWORD read = 0;
  do {
    if (!InternetReadFile(request, chunk, sizeof(chunk), &read)) FailWinInet(uri, "reading the reply failed");
    body.append(chunk, read);
    if (body.size() > kMaxReplyBytes) FailPost(uri, "the reply is larger than " + std::to_string(kMaxReplyBytes) + " bytes");
  } while (read > 0);
  DWORD announced = 0;
  if (QueryNumber(request, HTTP_QUERY_CONTENT_LENGTH, announced) && announced != body.size()) {
    FailPost(uri, "the reply ended after " + std::to_string(body.size()) + " of " + std::to_string(announced) + " bytes");
  }
  return body;
}

}  // namespace

HproseHttpTransport::~HproseHttpTransport() {
  Disconnect();
}

std::string HproseHttpTransport::Post(const std::string& uri, const std::string& body, const HproseHttpOptions& options) {
  const Target target = ParseUri(uri);
  try {
    HINTERNET connection = static_cast<HINTERNET>(Connect(target.host, target.port));
    if (!connection) FailWinInet(uri, "opening the connection failed");
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                  INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI;
    if (options.KeepAlive) flags |= INTERNET_FLAG_KEEP_CONNECTION;
    RequestHandle request(HttpOpenRequestA(connection, "POST", target.path.c_str(), "HTTP/1.1", nullptr, nullptr, flags, 0));
    if (!request.get()) FailWinInet(uri, "opening the request failed");
    SetTimeouts(request.get(), options);
    const std::string headers = RequestHeaders(options);
    if (!HttpAddRequestHeadersA(request.get(), headers.c_str(), static_cast<DWORD>(headers.size()),
                                HTTP_ADDREQ_FLAG_ADD | HTTP_ADDREQ_FLAG_REPLACE)) {
      FailWinInet(uri, "setting the request headers failed");
    }
    if (!HttpSendRequestA(request.get(), nullptr, 0, const_cast<char*>(body.data()), static_cast<DWORD>(body.size()))) {
      FailWinInet(uri, "sending the request failed");
    }
    DWORD status = 0;
    if (!QueryNumber(request.get(), HTTP_QUERY_STATUS_CODE, status)) FailWinInet(uri, "the reply has no status");
    if (status != 200) FailPost(uri, "the server answered with HTTP status " + std::to_string(status));
    return ReadBody(request.get(), uri);
  } catch (const EHproseTransportError&) {
    Disconnect();
    throw;
  }
}

void* HproseHttpTransport::Connect(const std::string& host, unsigned short port) {
  const std::string key = host + ":" + std::to_string(port);
  if (connection_ && connectedTo_ == key) return connection_;
  Disconnect();
  session_ = InternetOpenA(nullptr, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
  if (!session_) return nullptr;
  connection_ = InternetConnectA(static_cast<HINTERNET>(session_), host.c_str(), port, nullptr, nullptr,
                                 INTERNET_SERVICE_HTTP, 0, 0);
  connectedTo_ = key;
  return connection_;
}

void HproseHttpTransport::Disconnect() {
  if (connection_) InternetCloseHandle(static_cast<HINTERNET>(connection_));
  if (session_) InternetCloseHandle(static_cast<HINTERNET>(session_));
  connection_ = session_ = nullptr;
  connectedTo_.clear();
}
