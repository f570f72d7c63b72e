#pragma once
// Exceptions the desktop classes raise (EResNotFound comes with the stream errors).
#include <string>

#include "classlib/core/StreamErrors.h"
#include "classlib/core/SysUtils.h"

class EInvalidOperation : public Exception { using Exception::Exception; };
class EOutOfResources : public Exception { using Exception::Exception; };

class EOSError : public Exception {
public:
  EOSError(const std::string& message, unsigned long errorCode) : Exception(message), errorCode_(errorCode) {}
  unsigned long ErrorCode() const { return errorCode_; }

private:
  unsigned long errorCode_;
};

// Raises EOSError for the calling thread's last error: "System Error.  Code: N.\n<system text>".
[[noreturn]] void RaiseLastOSError();
