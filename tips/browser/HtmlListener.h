#pragma once
// Listens to the events of HTML documents: each connection (IHtmlDocument::ConnectListener) hands
// the document's events to the handlers whose EventID they match.
#include <memory>

#include "classlib/core/Collection.h"
#include "classlib/core/Component.h"
#include "tips/browser/WebPage.h"

CL_ENUM(TEventID, eiOnClick)
CL_ENUM(TSinkKind, skDocument)

using THtmlEvent = TEvent<TObject*, IHtmlEventObj&>;

class THtmlEventHandler : public TCollectionItem {
  CL_CLASS(THtmlEventHandler, TCollectionItem)
public:
  TEventID EventID = eiOnClick;
  THtmlEvent OnHandle;
};

class THtmlEventHandlers : public TCollection {
  CL_CLASS(THtmlEventHandlers, TCollection)
public:
  explicit THtmlEventHandlers(TPersistent* owner) : TCollection(THtmlEventHandler::StaticClass(), owner) {}
  THtmlEventHandler* Items(int index) const { return static_cast<THtmlEventHandler*>(TCollection::Items(index)); }
};

class THtmlListener : public TComponent {
  CL_CLASS(THtmlListener, TComponent)
public:
  explicit THtmlListener(TComponent* owner);
  ~THtmlListener() override;

  THtmlEventHandlers* Handlers() const { return handlers_.get(); }
  TSinkKind SinkKind = skDocument;

  // Connects this listener to the document's events; nullptr when the document has no connection points.
  std::shared_ptr<IListenerLink> Connect(IHtmlDocument& document) { return document.ConnectListener(*this); }

  // Where a connection delivers an event. The handlers' errors go to the application's handler.
  void HandleEvent(TEventID id, IHtmlEventObj& event);

  // Connections that outlive the listener find it gone here instead of calling a freed object.
  std::shared_ptr<THtmlListener* const> Liveness() const { return alive_; }

private:
  std::unique_ptr<THtmlEventHandlers> handlers_;
  std::shared_ptr<THtmlListener*> alive_;
};
