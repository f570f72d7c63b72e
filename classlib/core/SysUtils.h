#pragma once
#include <stdexcept>
#include <string>

// Base of every exception the class library and the toolkit raise.
class Exception : public std::runtime_error {
public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

class EConvertError : public Exception { using Exception::Exception; };
