#include "tips/browser/ListenerLinks.h"

#include "tips/browser/HtmlListener.h"

void TListenerLinks::Attach(THtmlListener& listener, IHtmlDocument* document) {
  if (!document) return;
  std::shared_ptr<IListenerLink> link = listener.Connect(*document);
  if (!link) return;
  lastLink_ = link;
  links_.push_back(std::move(link));
}

void TListenerLinks::DetachAll() {
  while (!links_.empty()) {
    links_.back()->Disconnect();
    links_.pop_back();
  }
  lastLink_.reset();
}
