#include "tips/rpc/HproseHttpClient.h"

#include "classlib/core/TextCodec.h"
#include "tips/rpc/HproseErrors.h"
#include "tips/rpc/HproseHttpTransport.h"
#include "tips/rpc/HproseReader.h"
#include "tips/rpc/HproseWriter.h"

THproseHttpClient::THproseHttpClient() : transport_(std::make_unique<HproseHttpTransport>()) {}

THproseHttpClient::~THproseHttpClient() = default;

HproseValue THproseHttpClient::Invoke(const std::wstring& function, const std::vector<std::wstring>& arguments) {
  const std::string reply = PostWithRetries(function, EncodeHproseCall(function, arguments));
  HproseReply answer = ReadHproseReply(reply);
  if (answer.IsError) throw EHproseServerError(Utf16ToGbk(answer.ErrorMessage), answer.ErrorMessage);
  return std::move(answer.Result);
}

std::string THproseHttpClient::PostWithRetries(const std::wstring& function, const std::string& request) {
  const HproseHttpOptions options{userAgent_, timeoutMs_, connectionTimeoutMs_, keepAlive_, keepAliveTimeoutS_};
  for (int attempt = 1;; ++attempt) {
    try {
      return transport_->Post(uri_, request, options);
    } catch (const EHproseTransportError& error) {
      if (attempt > retry_) {
        throw EHproseTransportError("Hprose call of " + Utf16ToGbk(function) + " failed after " +
                                    std::to_string(attempt) + (attempt == 1 ? " try: " : " tries: ") + error.Message());
      }
    }
  }
}
