// formconv: converts a component stream between the object text form and the binary form.
//   formconv to-binary IN OUT
//   formconv to-text IN OUT
// Exit code 0 on success; 1 with a one-line message on standard error otherwise (OUT is then
// left untouched).
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <system_error>

#include "classlib/core/MemoryStream.h"
#include "classlib/core/ObjectText.h"
#include "classlib/core/StreamErrors.h"

namespace {

// The output goes to a file beside OUT that replaces OUT only when it is whole, so a write that
// fails part-way (a full disk, a file size limit) leaves OUT as it was.
void SaveBeside(TMemoryStream& output, const std::string& fileName) {
  const std::string partial = fileName + ".partial";
  std::error_code ignored;
  try {
    output.SaveToFile(partial);
  } catch (...) {
    std::filesystem::remove(partial, ignored);
    throw;
  }
  std::error_code error;
  std::filesystem::rename(partial, fileName, error);
  if (error) {
    std::filesystem::remove(partial, ignored);
    throw EFCreateError("Cannot create file " + fileName);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string mode = argc == 4 ? argv[1] : "";
  if (mode != "to-binary" && mode != "to-text") {
    std::fprintf(stderr, "usage: formconv to-binary|to-text IN OUT\n");
    return 1;
  }
  try {
    TMemoryStream input, output;
    input.LoadFromFile(argv[2]);
    if (mode == "to-binary") ObjectTextToBinary(input, output);
    else ObjectBinaryToText(input, output);
    SaveBeside(output, argv[3]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "formconv: %s: %s\n", argv[2], e.what());
    return 1;
  }
  return 0;
}
