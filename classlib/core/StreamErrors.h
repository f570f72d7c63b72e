#pragma once
// Exceptions of streams, the binary component stream and the object text parser.
#include <string>

#include "classlib/core/SysUtils.h"

class EStreamError : public Exception { using Exception::Exception; };
class EFCreateError : public EStreamError { using EStreamError::EStreamError; };  // "Cannot create file %s"
class EFOpenError : public EStreamError { using EStreamError::EStreamError; };    // "Cannot open file %s"
class EFilerError : public EStreamError { using EStreamError::EStreamError; };
class EReadError : public EFilerError { using EFilerError::EFilerError; };
class EWriteError : public EFilerError { using EFilerError::EFilerError; };
class EResNotFound : public Exception { using Exception::Exception; };  // "Resource %s not found"

// A syntax error in the object text form; the message starts with "Line N: ".
class EParserError : public Exception {
public:
  EParserError(int line, const std::string& message)
      : Exception("Line " + std::to_string(line) + ": " + message), line_(line) {}
  int ErrorLine() const { return line_; }

private:
  int line_;
};

// The class library's messages.
inline constexpr const char* SReadError = "Stream read error";
inline constexpr const char* SWriteError = "Stream write error";
inline constexpr const char* SInvalidImage = "Invalid stream format";
inline constexpr const char* SInvalidPropertyValue = "Invalid property value";
inline constexpr const char* SMemoryStreamError = "Out of memory while expanding memory stream";
