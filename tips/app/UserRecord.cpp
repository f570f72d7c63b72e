#include "tips/app/UserRecord.h"

#include <nlohmann/json.hpp>

#include "classlib/core/TextCodec.h"
#include "classlib/core/SysUtils.h"
#include "tips/rpc/Base64.h"

namespace {

// A record is flat. Far deeper nesting would only come from a bad page, and the JSON text of a
// member is written recursively: such a record is refused before its nesting can exhaust the stack.
constexpr int kMaxNesting = 64;

nlohmann::json ParseFlat(const std::string& utf8) {
  const auto refuseDeepNesting = [](int depth, nlohmann::json::parse_event_t event, nlohmann::json&) {
    const bool opens =
        event == nlohmann::json::parse_event_t::object_start || event == nlohmann::json::parse_event_t::array_start;
    if (opens && depth >= kMaxNesting) throw EConvertError("The user record is nested too deeply");
    return true;
  };
  return nlohmann::json::parse(utf8, refuseDeepNesting, false, true);
}

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
  const nlohmann::json object = ParseFlat(utf8);
  if (!object.is_object()) throw EConvertError("The user record is not a JSON object");
  return {Member(object, "id"), Member(object, "account"), Member(object, "nickname"), Member(object, "thumb")};
}
