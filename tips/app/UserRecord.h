#pragma once
#include <string>

// The user as the login page hands it over: the registry keeps it as Base64 of a JSON object.
struct TUserRecord {
  std::string id;
  std::string account;
  std::string nickname;
  std::string thumb;
};

// Reads the members of the stored record as 8-bit texts: a missing or null member is empty, a
// member that is no string gives its JSON text. Raises EConvertError when the decoded text is
// not a JSON object, or when it nests objects and lists more than 64 deep (a record is flat).
TUserRecord DecodeUserRecord(const std::string& stored);
