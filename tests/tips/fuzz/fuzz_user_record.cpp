// Reads arbitrary bytes as the text of a user record, stored as the login page hands it over (in
// Base64). A bad record may only raise EConvertError; the members of a good one, written into a
// record of their own, read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <nlohmann/json.hpp>

#include "TestTexts.h"
#include "classlib/core/TextCodec.h"
#include "classlib/core/SysUtils.h"
#include "tips/app/UserRecord.h"

namespace {

std::string Utf8(const std::string& gbk) { return Utf16ToUtf8(GbkToUtf16(gbk)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TUserRecord user;
  try {
    user = DecodeUserRecord(EncodeBase64(std::string(reinterpret_cast<const char*>(data), size)));
  } catch (const EConvertError&) {
    return 0;
  }
  const nlohmann::json written = {{"id", Utf8(user.id)}, {"account", Utf8(user.account)},
                                  {"nickname", Utf8(user.nickname)}, {"thumb", Utf8(user.thumb)}};
  const TUserRecord again = DecodeUserRecord(EncodeBase64(Utf16ToGbk(Utf8ToUtf16(written.dump()))));
  if (again.id != user.id || again.account != user.account || again.nickname != user.nickname ||
      again.thumb != user.thumb) {
    std::fprintf(stderr, "the members written into a record read back otherwise\n");
    std::abort();
  }
  return 0;
}
