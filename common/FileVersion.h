#pragma once
#include <cstdint>
#include <string>

// The file version (not the product version) of a version resource; all zero when none was read.
struct TFileVersion {
  uint16_t Major = 0;
  uint16_t Minor = 0;
  uint16_t Release = 0;
  uint16_t Build = 0;
};

TFileVersion ReadFileVersion(const std::string& path);
// "major.minor.release.build"; "0.0.0.0" for a missing file or one without a version.
std::string FileVersionText(const std::string& path);
