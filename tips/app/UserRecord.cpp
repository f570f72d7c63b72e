#include "tips/app/UserRecord.h"

#include <nlohmann/json.hpp>

#include "classlib/core/TextCodec.h"
#include "classlib/core/SysUtils.h"
#include "tips/rpc/Base64.h"
#include "tips/app/Utf8.h"

namespace {

std::string Member(const nlohmann::json& object, const char* name) {
  const auto found = object.find(name);
  if (found == object.end() || found->is_null()) return {};
  const std::string utf8 = found->is_string() ? found->get<std::string>() : found->dump();
  return Utf16ToGbk(Utf8ToUtf16(utf8));
}

}  // namespace

TUserRecord DecodeUserRecord(const std::string& stored) {
  std::string text;
  DecodeBase64(stored, text, true);
  // The record's text is in the programs' code page; the parser reads UTF-8.
  const std::string utf8 = Utf16ToUtf8(GbkToUtf16(text));
  const nlohmann::json object = nlohmann::json::parse(utf8, nullptr, false, true);
  if (!object.is_object()) throw EConvertError("The user record is not a JSON object");
  return {Member(object, "id"), Member(object, "account"), Member(object, "nickname"), Member(object, "thumb")};
}
