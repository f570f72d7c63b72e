#pragma once
#include <string>

#include "classlib/core/SysUtils.h"

// Every failure of an Hprose call.
class EHproseException : public Exception {
  using Exception::Exception;
};

// The reply is not a complete, well-formed Hprose reply.
class EHproseFormatError : public EHproseException {
  using EHproseException::EHproseException;
};

// The server could not be reached or gave no usable HTTP answer, after every try.
class EHproseTransportError : public EHproseException {
  using EHproseException::EHproseException;
};

// The server answered with an error: the function threw or does not exist. The message is the
// server's text in the program's 8-bit code page; ServerMessage keeps it exactly.
class EHproseServerError : public EHproseException {
public:
  EHproseServerError(const std::string& message, std::wstring serverMessage)
      : EHproseException(message), serverMessage_(std::move(serverMessage)) {}
  const std::wstring& ServerMessage() const { return serverMessage_; }

private:
  std::wstring serverMessage_;
};
