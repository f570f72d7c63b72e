#pragma once
// The designer's "Tab Order..." editor: a borderless 400 x 300 form centred on the screen whose
// see-through scene lists the tab list of the selection's parent (each entry's Name, or its class
// name) with "Up" and "Down" buttons that move the chosen entry's control one place. The list
// opens on the selection's place.
#include <string>
#include <vector>

class TForm;
class TvgCustomScene;
class TvgRectangle;
class TvgVisualObject;

class TvgTabOrderEditor {
public:
  explicit TvgTabOrderEditor(TvgVisualObject& selection);
  ~TvgTabOrderEditor();
  TvgTabOrderEditor(const TvgTabOrderEditor&) = delete;
  TvgTabOrderEditor& operator=(const TvgTabOrderEditor&) = delete;

  // Shows the form modally; Escape closes it.
  void Execute();

  std::vector<std::wstring> Entries() const;
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  // The chosen entry one place earlier or later in the tab order, still chosen.
  void MoveUp() { MoveBy(-1); }
  void MoveDown() { MoveBy(1); }

  TForm* Form() const { return form_; }
  TvgCustomScene* Scene() const { return scene_; }

private:
  void MoveBy(int step);
  void Fill();
  void AddButton(const std::wstring& text, float y, void (TvgTabOrderEditor::*command)());

  TvgVisualObject& parent_;
  TForm* form_ = nullptr;
  TvgCustomScene* scene_ = nullptr;
  TvgRectangle* list_ = nullptr;
  std::vector<TvgRectangle*> rows_;
  int itemIndex_ = -1;
};
