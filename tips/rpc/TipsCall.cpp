#include "tips/rpc/TipsCall.h"

#include "classlib/core/SysUtils.h"
#include "tips/rpc/Md5.h"
#include "tips/app/ProgramStarts.h"
#include "common/FileVersion.h"

std::string CallSignature(const std::string& id, const std::string& account) {
  return LowerCase(MD5ToHex(MD5OfString(id + account + id)));
}

std::string TipsUserAgent() {
  return "Mozilla/5.0 (WOW64) AppleWebKit/537.36 (KHTML, like Gecko) Safari/537.36 KEST/" +
         FileVersionText(OwnExePath());
}
