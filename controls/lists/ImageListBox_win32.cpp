#include "controls/lists/ImageListBox.h"

#include <cmath>

#include "classlib/core/Property.h"
#include "classlib/core/TextCodec.h"
#include "engine/paint/Bitmap.h"
#include "engine/scene/SceneInterface.h"
#include "engine/shapes/Image.h"
#include "engine/shapes/Text.h"

CL_PUBLISHED(TvgImageListBox) {
  using I = TvgImageListBox;
  published.Property("ShowFileName", &I::ShowFileName, &I::SetShowFileName).Default(false);
  published.Property("UseThumbnails", &I::UseThumbnails, &I::SetUseThumbnails).Default(true);
}

CL_PUBLISHED(TvgHorzImageListBox) {
  using H = TvgHorzImageListBox;
  published.Property("ListStyle", &H::ListStyle, &H::SetListStyle).Default(vgListHorizontal);
}

CL_PUBLISHED(TvgHudImageListBox) {}
CL_PUBLISHED(TvgHudHorzImageListBox) {}
CL_PUBLISHED(TvgImageListBoxItem) {}

namespace {

std::wstring FileNamePart(const std::wstring& path) {
  const size_t separator = path.find_last_of(L"\\/");
  return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

}  // namespace

// --- Lists -------------------------------------------------------------------------------------

TvgImageListBox::TvgImageListBox(TComponent* owner) : TvgListBox(owner) {
  SetResource("listboxstyle");
  SetItemHeight(std::trunc(Width()));
}

void TvgImageListBox::Clear() {
  for (int i = 0; i < GetCount(); ++i)
    if (TvgListBoxItem* item = ItemByIndex(i)) item->SetTag(0);
  TvgListBox::Clear();
}

void TvgImageListBox::BeginAutoDrag() {
  auto* item = dynamic_cast<TvgImageListBoxItem*>(Selected());
  TvgImage* image = item ? item->ImagePart() : nullptr;
  if (image && Scene()) Scene()->BeginVCLDrag(image);
  else TvgListBox::BeginAutoDrag();
}

TvgHorzImageListBox::TvgHorzImageListBox(TComponent* owner) : TvgImageListBox(owner) {
  SetResource("ListBoxStyle");
  SetItemHeight(0);
  SetItemWidth(std::trunc(Height() + 10));
  SetListStyle(vgListHorizontal);
}

TvgHudImageListBox::TvgHudImageListBox(TComponent* owner) : TvgImageListBox(owner) {
  SetResource("HudListBoxStyle");
}

TvgHudHorzImageListBox::TvgHudHorzImageListBox(TComponent* owner) : TvgHorzImageListBox(owner) {
  SetResource("HudListBoxStyle");
}

// --- Items -------------------------------------------------------------------------------------

TvgImageListBox* TvgImageListBoxItem::ImageList() const { return dynamic_cast<TvgImageListBox*>(ListBox()); }

TvgImage* TvgImageListBoxItem::ImagePart() { return dynamic_cast<TvgImage*>(FindResource("image")); }

// The picture is read when the item first shows, which is when its style is applied.
void TvgImageListBoxItem::ApplyStyle() {
  TvgListBoxItem::ApplyStyle();
  if (!ImageList()) return;
  if (TvgImage* image = ImagePart(); image && !Text().empty())
    image->Bitmap()->LoadFromFile(WideToAnsi(Text()));
  ShowFileName();
}

void TvgImageListBoxItem::SetText(const std::wstring& text) {
  TvgListBoxItem::SetText(text);
  if (ImageList()) ShowFileName();
}

void TvgImageListBoxItem::ShowFileName() {
  TvgImageListBox* list = ImageList();
  if (TvgObject* border = FindResource("textborder"); border && border->Visual())
    border->Visual()->SetVisible(list && list->ShowFileName());
  if (TvgText* text = TextPart()) text->SetText(FileNamePart(Text()));
}
