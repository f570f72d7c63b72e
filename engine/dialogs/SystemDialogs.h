#pragma once
// The platform's file and colour dialogs as the controls and the scene designer open them. Both
// are modal; a stand-in can answer in their place where no one is there to close them (tests).
#include <cstdint>
#include <string>

class TvgSystemDialogs {
public:
  virtual ~TvgSystemDialogs() = default;
  // filter: "description|masks|..." pairs, or masks alone ("*.png;*.jpg"). True with the chosen
  // file's name.
  virtual bool OpenFile(const std::string& filter, std::string& fileName);
  // The colour in the system's byte order (0x00BBGGRR); true with the chosen colour.
  virtual bool PickColor(uint32_t& color);
};

// The platform's dialogs unless a stand-in was set.
TvgSystemDialogs& vgSystemDialogs();
// Puts a stand-in in their place (the caller keeps it alive); nullptr puts them back.
void vgSetSystemDialogs(TvgSystemDialogs* dialogs);
