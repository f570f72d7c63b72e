#pragma once
// The toolkit's font description: family, size in scene units, one style and ClearType. The
// canvas picks the actual font from it; it converts to and from the class library's font.
#include <string>

#include "classlib/core/Persistent.h"

CL_ENUM(TvgFontStyle, vgFontRegular, vgFontBold, vgFontItalic, vgFontBoldItalic, vgFontUnderline, vgFontStrikeout)

class TvgFont : public TPersistent {
  CL_CLASS(TvgFont, TPersistent)
public:
  float Size() const { return size_; }
  void SetSize(float Value);
  const std::string& Family() const { return family_; }
  void SetFamily(const std::string& Value);
  TvgFontStyle Style() const { return style_; }
  void SetStyle(TvgFontStyle Value);
  bool ClearType() const { return clearType_; }
  void SetClearType(bool Value);

  void Assign(TPersistent* Source) override;

  TNotifyEvent OnChanged;

protected:
  void AssignTo(TPersistent* Dest) override;

private:
  void Changed();

  float size_ = 11;
  std::string family_ = "Tahoma";
  TvgFontStyle style_ = vgFontRegular;
  bool clearType_ = true;
};
