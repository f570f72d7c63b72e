#pragma once
// TvgDropTarget: a zone that takes whatever is dragged onto it, files from the shell included,
// and reports each drop through OnDroped.
#include <string>

#include "controls/text/TextControl.h"

class TvgDragObject;

using TvgDragDropEvent = TEvent<TObject*, TvgDragObject*, const TvgPoint&>;

class TvgDropTarget : public TvgTextControl {
  CL_CLASS(TvgDropTarget, TvgTextControl)
public:
  explicit TvgDropTarget(TComponent* owner);

  // Kept for the form that sets it; the zone itself accepts every drag.
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& filter) { filter_ = filter; }

  TvgDragDropEvent OnDroped;

  void DragOver(TvgDragObject* data, const TvgPoint& point, bool& accept) override;
  void DragDrop(TvgDragObject* data, const TvgPoint& point) override;

private:
  std::string filter_;
};
