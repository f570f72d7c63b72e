#pragma once
// TvgPopupBox: a button that lists its Items in a pop-up menu, the current one checked, and shows
// the chosen one as its text. ItemIndex is -1 or the index of an entry of Items.
#include <memory>

#include "controls/buttons/Button.h"

class TPopupMenu;
class TvgWideStringList;
class TvgWideStrings;

class TvgPopupBox : public TvgCustomButton {
  CL_CLASS(TvgPopupBox, TvgCustomButton)
public:
  explicit TvgPopupBox(TComponent* owner);
  ~TvgPopupBox() override;

  // Writing copies the given list.
  TvgWideStringList* Items() const { return items_.get(); }
  void SetItems(TvgWideStrings* items);
  int ItemIndex() const { return itemIndex_; }
  // An index outside Items selects nothing (-1, empty text).
  void SetItemIndex(int index);
  // The menu of the last DoPopup.
  TPopupMenu* Menu() const { return menu_; }

  Variant GetData() override { return Variant(Text()); }
  // Null selects nothing; a packed method becomes OnChange; a number selects that index; a text
  // of Items selects its entry, any other text is shown as it is.
  void SetData(const Variant& value) override;
  void Click() override;
  // The text selects the entry it names; without one the text is emptied.
  void SetText(const std::wstring& text) override;

  virtual void ItemsChanged();
  virtual void DoPopup();

  TNotifyEvent OnChange;

private:
  std::unique_ptr<TvgWideStringList> items_;
  int itemIndex_ = -1;
  TPopupMenu* menu_;  // owned as a component
};

class TvgHudPopupBox : public TvgPopupBox {
  CL_CLASS(TvgHudPopupBox, TvgPopupBox)
public:
  using TvgPopupBox::TvgPopupBox;
};
