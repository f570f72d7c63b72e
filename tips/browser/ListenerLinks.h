#pragma once
#include <memory>
#include <vector>

#include "tips/browser/WebPage.h"

class THtmlListener;

// The connections of a window's listener to the documents its browser completed: one per
// document, kept until the window goes.
class TListenerLinks {
public:
  // Connects the listener to the document when there is one and it has connection points.
  void Attach(THtmlListener& listener, IHtmlDocument* document);
  // Disconnects every link, the last attached first, and forgets them.
  void DetachAll();

  int Count() const { return int(links_.size()); }
  IListenerLink* LastLink() const { return lastLink_.get(); }

private:
  std::vector<std::shared_ptr<IListenerLink>> links_;
  std::shared_ptr<IListenerLink> lastLink_;
};
