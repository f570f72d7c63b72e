#include "up/InetClient.h"
#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Win32.h"
#include <wininet.h>
#include <cstdio>

namespace {

constexpr DWORD kBlockSize = 4096;

// Closes a WinInet handle when it goes out of scope.
class TInetHandle {
public:
  explicit TInetHandle(HINTERNET handle) : handle_(handle) {}
  ~TInetHandle() {
    if (handle_) InternetCloseHandle(handle_);
  }
  TInetHandle(const TInetHandle&) = delete;
  TInetHandle& operator=(const TInetHandle&) = delete;
  HINTERNET Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

private:
  HINTERNET handle_;
};

// Closes a file handle when it goes out of scope.
class TFileHandle {
public:
  explicit TFileHandle(HANDLE handle) : handle_(handle) {}
  ~TFileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  TFileHandle(const TFileHandle&) = delete;
  TFileHandle& operator=(const TFileHandle&) = delete;
  HANDLE Get() const { return handle_; }
  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
  HANDLE handle_;
};

// A port text that is not a whole number in 1..65535 counts as absent.
INTERNET_PORT PortOr(const std::string& text, INTERNET_PORT fallback) {
  if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) return fallback;
  const int port = std::stoi(text);
  return port >= 1 && port <= 65535 ? static_cast<INTERNET_PORT>(port) : fallback;
}

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

std::string JoinedFields(const TPostFields& fields) {
  std::string body;
  for (size_t i = 0; i < fields.size(); ++i) body += (i ? "&" : "") + UrlEncode(fields[i]);
  return body;
}

int64_t ContentLength(HINTERNET request) {
  char buffer[64] = {};
  DWORD size = sizeof buffer - 1;
  DWORD index = 0;
  if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, buffer, &size, &index)) return -1;
  int64_t length = 0;
  return TryStrToInt64(std::string(buffer, size), length) && length >= 0 ? length : -1;
}

// A decoded answer's length differs from its Content-Length, so only plain answers can be checked for it.
bool IsContentEncoded(HINTERNET request) {
  char buffer[64] = {};
  DWORD size = sizeof buffer - 1;
  DWORD index = 0;
  if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_ENCODING, buffer, &size, &index)) return false;
  return !SameText(Trim(std::string(buffer, size)), "identity");
}

void SetStringOption(HINTERNET handle, DWORD option, const std::string& value) {
  if (!value.empty())
    InternetSetOptionA(handle, option, const_cast<char*>(value.c_str()), static_cast<DWORD>(value.size()));
}

void SetTimeoutOption(HINTERNET handle, DWORD option, int milliseconds) {
  DWORD value = static_cast<DWORD>(milliseconds);
  if (milliseconds != 0) InternetSetOptionA(handle, option, &value, sizeof value);
}

} // namespace

bool SplitUrl(const std::string& url, TUrlParts& parts) {
  parts = TUrlParts{};
  const std::string trimmed = Trim(url);
  const size_t scheme = trimmed.find("://");
  if (scheme == std::string::npos || scheme + 3 == trimmed.size()) return false;
  parts.Protocol = trimmed.substr(0, scheme);
  const std::string rest = trimmed.substr(scheme + 3);

  const size_t slash = rest.find('/');
  std::string authority = rest.substr(0, slash);
  if (slash != std::string::npos) parts.Document = rest.substr(slash + 1);

  const size_t at = authority.find('@');
  if (at != std::string::npos) {
    const std::string userInfo = authority.substr(0, at);
    authority.erase(0, at + 1);
    const size_t colon = userInfo.find(':');
    parts.User = userInfo.substr(0, colon);
    if (colon != std::string::npos && !parts.User.empty()) parts.Password = userInfo.substr(colon + 1);
  }

  const size_t colon = authority.find(':');
  parts.Host = authority.substr(0, colon);
  if (colon != std::string::npos) parts.Port = authority.substr(colon + 1);
  return true;
}

std::string UrlEncode(const std::string& text) {
  static const std::string kReserved = " #%*+<>";
  std::string encoded;
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte >= 128 || kReserved.find(c) != std::string::npos) {
      char escape[4];
      std::snprintf(escape, sizeof escape, "%%%02X", byte);
      encoded += escape;
    } else {
      encoded += c;
    }
  }
  return encoded;
}

uint32_t HttpRequestFlags(bool secure, bool noCookies) {
  uint32_t flags = INTERNET_FLAG_RELOAD;
  if (secure) flags |= INTERNET_FLAG_SECURE;
  if (noCookies) flags |= INTERNET_FLAG_NO_COOKIES;
  return flags;
}

TInetClient::~TInetClient() { Close(); }

void TInetClient::Close() {
  if (internet_) InternetCloseHandle(internet_);
  internet_ = nullptr;
}

bool TInetClient::OpenInternet() {
  if (ProxyMode == 2 && !ProxyServer.empty()) {
    internet_ = InternetOpenA(UserAgent.c_str(), INTERNET_OPEN_TYPE_PROXY, ProxyServer.c_str(), nullptr, 0);
    if (!internet_) return false;
    SetStringOption(internet_, INTERNET_OPTION_PROXY_USERNAME, ProxyUser);
    SetStringOption(internet_, INTERNET_OPTION_PROXY_PASSWORD, ProxyPassword);
  } else {
    const DWORD access = ProxyMode == 0 ? INTERNET_OPEN_TYPE_DIRECT : INTERNET_OPEN_TYPE_PRECONFIG;
    internet_ = InternetOpenA(UserAgent.c_str(), access, nullptr, nullptr, 0);
    if (!internet_) return false;
  }
  ApplyTimeouts(internet_);
  if (DecodingWanted) {
    BOOL decode = TRUE;
    decodingOn_ = InternetSetOptionA(internet_, INTERNET_OPTION_HTTP_DECODING, &decode, sizeof decode);
  }
  return true;
}

void TInetClient::SetTimeouts(const TInetTimeouts& timeouts) {
  ConnectTimeout = timeouts.Connect;
  SendTimeout = timeouts.Send;
  ReceiveTimeout = timeouts.Receive;
}

// Handles take their time-outs from the handle they were made from on Windows, not always under
// Wine: each handle gets them.
void TInetClient::ApplyTimeouts(THandle handle) const {
  SetTimeoutOption(handle, INTERNET_OPTION_CONNECT_TIMEOUT, ConnectTimeout);
  SetTimeoutOption(handle, INTERNET_OPTION_SEND_TIMEOUT, SendTimeout);
  SetTimeoutOption(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, ReceiveTimeout);
  SetTimeoutOption(handle, INTERNET_OPTION_DATA_SEND_TIMEOUT, SendTimeout);
  SetTimeoutOption(handle, INTERNET_OPTION_DATA_RECEIVE_TIMEOUT, ReceiveTimeout);
}

bool TInetClient::Fetch(const std::string& url, const TInetSink& sink, const TPostFields* postFields) {
  TUrlParts parts;
  if (!SplitUrl(url, parts)) return false;
  aborted_ = false;
  if (!internet_ && !OpenInternet()) return false;
  bool result = false;
  if (SameText(parts.Protocol, "http") || SameText(parts.Protocol, "https"))
    result = FetchHttp(parts, sink, postFields);
  else if (SameText(parts.Protocol, "ftp"))
    result = FetchFtp(parts, sink);
  if (aborted_) result = false;
  failed_ = !result;
  return result;
}

bool TInetClient::FetchHttp(const TUrlParts& url, const TInetSink& sink, const TPostFields* postFields) {
  const bool secure = SameText(url.Protocol, "https");
  const INTERNET_PORT port = PortOr(url.Port, secure ? INTERNET_DEFAULT_HTTPS_PORT : INTERNET_DEFAULT_HTTP_PORT);
  const DWORD flags = HttpRequestFlags(secure, NoCookies);

  TInetHandle connection(
      InternetConnectA(internet_, url.Host.c_str(), port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection || aborted_) return false;
  ApplyTimeouts(connection.Get());

  const char* verb = postFields ? "POST" : "GET";
  std::string body = postFields ? JoinedFields(*postFields) : std::string();
  const std::string object = EncodePath ? UrlEncode(url.Document) : url.Document;
  TInetHandle request(
      HttpOpenRequestA(connection.Get(), verb, object.c_str(), "HTTP/1.0", nullptr, nullptr, flags, 0));
  if (!request || aborted_) return false;
  ApplyTimeouts(request.Get());

  std::vector<std::string> headers;
  if (decodingOn_) headers.push_back("Accept-Encoding: gzip,deflate");
  headers.insert(headers.end(), ExtraHeaders.begin(), ExtraHeaders.end());
  for (const std::string& header : headers)
    HttpAddRequestHeadersA(request.Get(), header.c_str(), static_cast<DWORD>(header.size()),
                           HTTP_ADDREQ_FLAG_ADD | HTTP_ADDREQ_FLAG_REPLACE);

  static const char kContentType[] = "Content-Type: application/x-www-form-urlencoded";
  if (!HttpSendRequestA(request.Get(), kContentType, sizeof kContentType - 1, body.empty() ? nullptr : body.data(),
                        static_cast<DWORD>(body.size())))
    return false;
  if (aborted_) return false;
  const int64_t total = ContentLength(request.Get());
  // An answer that ends before its announced length is a broken transfer, not a complete one.
  const int64_t completeSize = IsContentEncoded(request.Get()) ? -1 : total;
  return !aborted_ && ReadAll(request.Get(), total, completeSize, sink);
}

bool TInetClient::FetchFtp(const TUrlParts& url, const TInetSink& sink) {
  TInetHandle connection(InternetConnectA(internet_, url.Host.c_str(), PortOr(url.Port, INTERNET_DEFAULT_FTP_PORT),
                                          OrNull(url.User), OrNull(url.Password), INTERNET_SERVICE_FTP, 0, 0));
  if (!connection || aborted_) return false;
  ApplyTimeouts(connection.Get());
  WIN32_FIND_DATAA found{};
  int64_t total = -1;
  {
    TInetHandle find(FtpFindFirstFileA(connection.Get(), url.Document.c_str(), &found, INTERNET_FLAG_NEED_FILE, 0));
    if (find) total = found.nFileSizeLow;
  }
  TInetHandle file(
      FtpOpenFileA(connection.Get(), url.Document.c_str(), GENERIC_READ, FTP_TRANSFER_TYPE_BINARY, 0));
  return file && !aborted_ && ReadAll(file.Get(), total, -1, sink);
}

bool TInetClient::ReadAll(THandle request, int64_t total, int64_t completeSize, const TInetSink& sink) {
  char block[kBlockSize];
  int64_t count = 0;
  for (;;) {
    DWORD read = 0;
    if (!InternetReadFile(request, block, sizeof block, &read)) return false;
    if (read == 0) return completeSize < 0 || count >= completeSize;
    if (!sink(block, read)) return false;
    count += read;
    if (OnProgress) {
      OnProgress(*this, total, count, aborted_);
      if (aborted_) return false;
    }
  }
}

bool TInetClient::FetchText(const std::string& url, std::string& text, const TPostFields* postFields) {
  text.clear();
  return Fetch(
      url,
      [&text](const char* data, size_t count) {
        text.append(data, count);
        return true;
      },
      postFields);
}

bool TInetClient::FetchFile(const std::string& url, const std::string& fileName, const TPostFields* postFields) {
  TFileHandle file(CreateFileA(fileName.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen()) return false;
  return Fetch(
      url,
      [&file](const char* data, size_t count) {
        DWORD written = 0;
        return WriteFile(file.Get(), data, static_cast<DWORD>(count), &written, nullptr) && written == count;
      },
      postFields);
}

std::string HttpGetText(const std::string& url, const TPostFields* postFields, const TInetTimeouts& timeouts) {
  try {
    TInetClient client;
    client.SetTimeouts(timeouts);
    std::string text;
    if (!client.FetchText(url, text, postFields)) return {};
    return text;
  } catch (const std::exception&) {
    return {};
  }
}

bool HttpGetFile(const std::string& url, const std::string& fileName, const TPostFields* postFields,
                 const TInetTimeouts& timeouts) {
  try {
    TInetClient client;
    client.SetTimeouts(timeouts);
    return client.FetchFile(url, fileName, postFields);
  } catch (const std::exception&) {
    return false;
  }
}
