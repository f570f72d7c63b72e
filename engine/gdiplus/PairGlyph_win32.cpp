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

// The glyph of the pair in the font selected into the context; none when the font shows it with
// its default glyph (the box of a missing character).
std::optional<uint16_t> ShapedGlyph(HDC dc, std::wstring_view pair) {
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
  const bool propertiesRead = SUCCEEDED(ScriptGetFontProperties(dc, &cache, &properties));
  ScriptFreeCache(&cache);
  if (shaped != S_OK || glyphCount != 1 || !propertiesRead || glyphs[0] == properties.wgDefault) return {};
  return glyphs[0];
}

std::optional<TvgFaceGlyph> GlyphInFace(HDC dc, const std::wstring& face, std::wstring_view pair) {
  LOGFONTW description{};
  description.lfHeight = -32;
  description.lfCharSet = DEFAULT_CHARSET;
  face.copy(description.lfFaceName, LF_FACESIZE - 1);
  HFONT font = CreateFontIndirectW(&description);
  if (!font) return {};
  HGDIOBJ previous = SelectObject(dc, font);
  std::optional<TvgFaceGlyph> found;
  wchar_t selected[LF_FACESIZE] = {};
  if (GetTextFaceW(dc, LF_FACESIZE, selected) > 0) {
    if (auto glyph = ShapedGlyph(dc, pair)) found = TvgFaceGlyph{selected, *glyph};
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
