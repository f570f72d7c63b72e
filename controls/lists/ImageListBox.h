#pragma once
// Image list boxes: list boxes of TvgImageListBoxItem, each holding the path of a picture file
// as its text and showing that picture in its style's "image" part, with the file name below it
// when the list has ShowFileName. TvgImageListBox stacks the pictures (as high as the box is
// wide); TvgHorzImageListBox sets them side by side. Dragging the selected item drags its
// picture.
#include "controls/lists/ListBox.h"
#include "controls/lists/ListBoxItem.h"

class TvgImage;

class TvgImageListBox : public TvgListBox {
  CL_CLASS(TvgImageListBox, TvgListBox)
public:
  explicit TvgImageListBox(TComponent* owner);

  bool ShowFileName() const { return showFileName_; }
  void SetShowFileName(bool value) { showFileName_ = value; }
  // Kept for the designer and for streams; every picture is shown whole.
  bool UseThumbnails() const { return useThumbnails_; }
  void SetUseThumbnails(bool value) { useThumbnails_ = value; }

  // The items' Tag is cleared before they go.
  void Clear() override;
  void BeginAutoDrag() override;

private:
  bool showFileName_ = false;
  bool useThumbnails_ = true;
};

class TvgHorzImageListBox : public TvgImageListBox {
  CL_CLASS(TvgHorzImageListBox, TvgImageListBox)
public:
  explicit TvgHorzImageListBox(TComponent* owner);
};

class TvgHudImageListBox : public TvgImageListBox {
  CL_CLASS(TvgHudImageListBox, TvgImageListBox)
public:
  explicit TvgHudImageListBox(TComponent* owner);
};

class TvgHudHorzImageListBox : public TvgHorzImageListBox {
  CL_CLASS(TvgHudHorzImageListBox, TvgHorzImageListBox)
public:
  explicit TvgHudHorzImageListBox(TComponent* owner);
};

class TvgImageListBoxItem : public TvgListBoxItem {
  CL_CLASS(TvgImageListBoxItem, TvgListBoxItem)
public:
  using TvgListBoxItem::TvgListBoxItem;

  // The style part showing the picture, nullptr without one.
  TvgImage* ImagePart();

  void ApplyStyle() override;
  void SetText(const std::wstring& text) override;

private:
  TvgImageListBox* ImageList() const;
  void ShowFileName();
};
