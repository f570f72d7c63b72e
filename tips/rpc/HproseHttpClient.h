#pragma once
#include <memory>
#include <string>
#include <vector>

#include "tips/rpc/HproseValue.h"

class HproseHttpTransport;

// Synchronous Hprose calls over HTTP. A call that cannot reach the server or gets no complete
// HTTP answer is tried again, Retry times; an error answer of the server or a malformed reply is
// raised at once. Errors derive from EHproseException (tips/HproseErrors.h).
class THproseHttpClient {
public:
  THproseHttpClient();
  ~THproseHttpClient();
  THproseHttpClient(const THproseHttpClient&) = delete;
  THproseHttpClient& operator=(const THproseHttpClient&) = delete;

  const std::string& URI() const { return uri_; }
  void SetURI(const std::string& uri) { uri_ = uri; }
  const std::string& UserAgent() const { return userAgent_; }
  void SetUserAgent(const std::string& userAgent) { userAgent_ = userAgent; }
  int Retry() const { return retry_; }  // tries after the first
  void SetRetry(int retry) { retry_ = retry; }
  int Timeout() const { return timeoutMs_; }  // milliseconds for sending and for each wait on the reply
  void SetTimeout(int milliseconds) { timeoutMs_ = milliseconds; }
  int ConnectionTimeout() const { return connectionTimeoutMs_; }  // milliseconds
  void SetConnectionTimeout(int milliseconds) { connectionTimeoutMs_ = milliseconds; }
  bool KeepAlive() const { return keepAlive_; }
  void SetKeepAlive(bool keepAlive) { keepAlive_ = keepAlive; }
  int KeepAliveTimeout() const { return keepAliveTimeoutS_; }  // seconds, asked of the server
  void SetKeepAliveTimeout(int seconds) { keepAliveTimeoutS_ = seconds; }

  HproseValue Invoke(const std::wstring& function, const std::vector<std::wstring>& arguments);

private:
  std::string uri_;
  std::string userAgent_;
  int retry_ = 10;
  int timeoutMs_ = 30000;
  int connectionTimeoutMs_ = 10000;
  bool keepAlive_ = true;
  int keepAliveTimeoutS_ = 300;
  std::unique_ptr<HproseHttpTransport> transport_;

  std::string PostWithRetries(const std::wstring& function, const std::string& request);
};
