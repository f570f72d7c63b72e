#include "engine/gdiplus/PairGlyph.h"

#include "classlib/desktop/Win32.h"
#include <usp10.h>

#include <vector>

namespace {

constexpr wchar_t kSystemLink[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink";

// The faces the system links to a face, in the order it tries them. Each entry of the list is
// "file,face", with scaling figures after it on some systems.
std::vector<std::wstring> LinkedFaces(const std::wstring& face) {
  DWORD size = 0;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, kSystemLink, face.c_str(), RRF_RT_REG_MULTI_SZ, nullptr, nullptr, &size) !=
      ERROR_SUCCESS)
    return {};
  std::wstring list(size / sizeof(wchar_t) + 1, L'\0');
  if (RegGetValueW(HKEY_LOCAL_MACHINE, kSystemLink, face.c_str(), RRF_RT_REG_MULTI_SZ, nullptr, list.data(),
                   &size) != ERROR_SUCCESS)
    return {};
  std::vector<std::wstring> faces;
  for (size_t at = 0; at < list.size() && list[at];) {
    const size_t end = list.find(L'\0', at);
    const std::wstring_view entry(list.data() + at, end - at);
    const size_t comma = entry.find(L',');
    if (comma != entry.npos) {
      const std::wstring_view name = entry.substr(comma + 1, entry.find(L',', comma + 1) - comma - 1);
      if (!name.empty()) faces.emplace_back(name);
    }
    at = end + 1;
  }
  return faces;
}

constexpr int kEm = 32;  // the height of the fonts the glyphs are looked up in

// The glyph of the pair in the font selected into the context, with its advance; none when the
// font shows it with its default glyph (the box of a missing character).
std::optional<TvgFaceGlyph> ShapedGlyph(HDC dc, std::wstring_view pair) {
  SCRIPT_ITEM items[3];
  int itemCount = 0;
  if (FAILED(ScriptItemize(pair.data(), 2, 2, nullptr, nullptr, items, &itemCount)) || itemCount != 1) return {};
  SCRIPT_CACHE cache = nullptr;
  WORD glyphs[2], clusters[2];
  SCRIPT_VISATTR attributes[2];
  int glyphCount = 0;
  const HRESULT shaped = ScriptShape(dc, &cache, pair.data(), 2, 2, &items[0].a, glyphs, clusters, attributes,
                                     &glyphCount);
  SCRIPT_FONTPROPERTIES properties{};
  properties.cBytes = sizeof properties;
  const bool found = shaped == S_OK && glyphCount == 1 &&
                     SUCCEEDED(ScriptGetFontProperties(dc, &cache, &properties)) && glyphs[0] != properties.wgDefault;
  int advance = 0;
  GOFFSET offset{};
  ABC abc{};
  if (found && FAILED(ScriptPlace(dc, &cache, glyphs, 1, attributes, &items[0].a, &advance, &offset, &abc)))
    advance = kEm;
  ScriptFreeCache(&cache);
  if (!found) return {};
  return TvgFaceGlyph{{}, glyphs[0], float(advance) / kEm};
}

std::optional<TvgFaceGlyph> GlyphInFace(HDC dc, const std::wstring& face, std::wstring_view pair) {
  LOGFONTW description{};
  description.lfHeight = -kEm;
  description.lfCharSet = DEFAULT_CHARSET;
  face.copy(description.lfFaceName, LF_FACESIZE - 1);
  HFONT font = CreateFontIndirectW(&description);
  if (!font) return {};
  HGDIOBJ previous = SelectObject(dc, font);
  std::optional<TvgFaceGlyph> found;
  wchar_t selected[LF_FACESIZE] = {};
  if (GetTextFaceW(dc, LF_FACESIZE, selected) > 0) {
    found = ShapedGlyph(dc, pair);
    if (found) found->Face = selected;
  }
  SelectObject(dc, previous);
  DeleteObject(font);
  return found;
}

}  // namespace

std::optional<TvgFaceGlyph> vgFindPairGlyph(const std::wstring& face, std::wstring_view pair) {
  if (pair.size() != 2) return {};
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return {};
  std::vector<std::wstring> faces = LinkedFaces(face);
  faces.insert(faces.begin(), face);
  std::optional<TvgFaceGlyph> found;
  for (const std::wstring& candidate : faces) {
    if ((found = GlyphInFace(dc, candidate, pair))) break;
  }
  DeleteDC(dc);
  return found;
}
