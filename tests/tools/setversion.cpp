// setversion PROGRAM MAJOR.MINOR.RELEASE.BUILD   sets the file version
// setversion PROGRAM                           prints it as the system reads it
// Sets the file version in the version resource of a program file in place (the product version stays).
// Tests choose the version of the stand-in kest.exe this way instead of building one variant per version.
#include "ResourceFile.h"
#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool ParseVersion(const char* text, DWORD& high, DWORD& low) {
  unsigned parts[4];
  char rest;
  if (std::sscanf(text, "%u.%u.%u.%u%c", &parts[0], &parts[1], &parts[2], &parts[3], &rest) != 4) return false;
  for (unsigned part : parts)
    if (part > 0xFFFF) return false;
  high = MAKELONG(parts[1], parts[0]);
  low = MAKELONG(parts[3], parts[2]);
  return true;
}

// The fixed file information sits on a 4-byte boundary and starts with its signature.
VS_FIXEDFILEINFO* FindFixedInfo(std::string& block) {
  for (size_t offset = 0; offset + sizeof(VS_FIXEDFILEINFO) <= block.size(); offset += 4) {
    auto* info = reinterpret_cast<VS_FIXEDFILEINFO*>(block.data() + offset);
    if (info->dwSignature == 0xFEEF04BD) return info;
  }
  return nullptr;
}

int PrintFileVersion(const char* program) {
  DWORD unused = 0;
  std::string block(GetFileVersionInfoSizeA(program, &unused), '\0');
  VS_FIXEDFILEINFO* info = nullptr;
  UINT size = 0;
  if (block.empty() || !GetFileVersionInfoA(program, 0, static_cast<DWORD>(block.size()), block.data()) ||
      !VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &size) || size < sizeof *info) {
    std::fprintf(stderr, "setversion: %s has no version resource\n", program);
    return 1;
  }
  std::printf("%u.%u.%u.%u\n", HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
              HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS));
  return 0;
}

} // namespace

int main(int argc, char** argv) {
  if (argc == 2) return PrintFileVersion(argv[1]);
  DWORD high = 0, low = 0;
  if (argc != 3 || !ParseVersion(argv[2], high, low)) {
    std::fprintf(stderr, "usage: setversion PROGRAM [MAJOR.MINOR.RELEASE.BUILD] (each 0..65535)\n");
    return 1;
  }
  const LPCSTR type = MAKEINTRESOURCEA(16); // RT_VERSION
  const LPCSTR name = MAKEINTRESOURCEA(1);
  auto data = ReadResource(argv[1], type, name);
  VS_FIXEDFILEINFO* info = data ? FindFixedInfo(data->Bytes) : nullptr;
  if (!info) {
    std::fprintf(stderr, "setversion: %s has no version resource\n", argv[1]);
    return 1;
  }
  info->dwFileVersionMS = high;
  info->dwFileVersionLS = low;
  std::string error;
  if (!WriteResource(argv[1], type, name, *data, error)) {
    std::fprintf(stderr, "setversion: %s: %s\n", argv[1], error.c_str());
    return 1;
  }
  return 0;
}
