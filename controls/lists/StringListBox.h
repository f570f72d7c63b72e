#pragma once
// TvgStringListBox: a list box built from a list of texts. Each text becomes a plain item of the
// item style, in the list's font and alignment; changing the texts rebuilds the items, keeping
// the selected index and the scroll position.
#include <memory>
#include <string>

#include "controls/lists/ListBox.h"
#include "engine/paint/Canvas.h"

class TvgFont;
class TvgWideStrings;
class TvgWideStringList;

class TvgStringListBox : public TvgListBox {
  CL_CLASS(TvgStringListBox, TvgListBox)
public:
  explicit TvgStringListBox(TComponent* owner);
  ~TvgStringListBox() override;

  TvgWideStringList* Items() const { return items_.get(); }
  void SetItems(TvgWideStrings* items);
  TvgFont* Font() const { return font_.get(); }
  void SetFont(TvgFont* font);
  TvgTextAlign TextAlign() const { return textAlign_; }
  void SetTextAlign(TvgTextAlign value);

  // The text at ItemIndex, empty when none is selected.
  Variant GetData() override;
  void SetData(const Variant& value) override;
  // Sorts the texts themselves, so that the items follow them.
  void SortItems() override;
  void EndUpdate() override;
  void Loaded() override;

protected:
  void SetItemStyle(const std::string& style) { itemStyle_ = style; }

private:
  void Rebuild();

  std::unique_ptr<TvgWideStringList> items_;
  std::unique_ptr<TvgFont> font_;
  TvgTextAlign textAlign_ = vgTextAlignNear;
  std::string itemStyle_ = "listboxitemstyle";
  bool rebuilding_ = false;
};

class TvgHudStringListBox : public TvgStringListBox {
  CL_CLASS(TvgHudStringListBox, TvgStringListBox)
public:
  explicit TvgHudStringListBox(TComponent* owner);
};
