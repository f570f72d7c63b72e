#pragma once
// The platform's file, colour and font dialogs and a small input box, as the controls, the editors
// and the scene designer open them. All are modal; a stand-in can answer in their place where no
// one is there to close them (tests).
#include <cstdint>
#include <string>

class TFont;

class TvgSystemDialogs {
public:
  virtual ~TvgSystemDialogs() = default;
  // filter: "description|masks|..." pairs, or masks alone ("*.png;*.jpg"). True with the chosen
  // file's name.
  virtual bool OpenFile(const std::string& filter, std::string& fileName);
  // fileName comes in as the name the dialog starts with and goes out as the chosen one; a name
  // typed without an extension gets defaultExt ("png", no dot). Asks before overwriting a file.
  virtual bool SaveFile(const std::string& filter, const std::string& defaultExt, std::string& fileName);
  // The colour in the system's byte order (0x00BBGGRR); true with the chosen colour.
  virtual bool PickColor(uint32_t& color);
  // Starts from the font's family, size, styles and colour; true with the chosen ones in it.
  virtual bool PickFont(TFont& font);
  // A small window asking for one line of text: the value starts selected in its box; Enter or
  // OK answers true with the typed text in value, Escape or Cancel false with value unchanged.
  virtual bool InputBox(const std::string& caption, const std::string& prompt, std::string& value);
};

// The platform's dialogs unless a stand-in was set.
TvgSystemDialogs& vgSystemDialogs();
// Puts a stand-in in their place (the caller keeps it alive); nullptr puts them back.
void vgSetSystemDialogs(TvgSystemDialogs* dialogs);
