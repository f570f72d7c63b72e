#include "tips/browser/HtmlListener.h"

#include "classlib/desktop/Application.h"

CL_PUBLISHED(THtmlEventHandler) {
  published.Property("EventID", &THtmlEventHandler::EventID, &THtmlEventHandler::EventID).Default(eiOnClick);
  published.Property("OnHandle", &THtmlEventHandler::OnHandle, &THtmlEventHandler::OnHandle);
}

CL_PUBLISHED(THtmlEventHandlers) {}

CL_PUBLISHED(THtmlListener) {
  published.Property("Handlers", &THtmlListener::Handlers);
  published.Property("SinkKind", &THtmlListener::SinkKind, &THtmlListener::SinkKind).Default(skDocument);
}

THtmlListener::THtmlListener(TComponent* owner)
    : TComponent(owner), handlers_(std::make_unique<THtmlEventHandlers>(this)),
      alive_(std::make_shared<THtmlListener*>(this)) {}

THtmlListener::~THtmlListener() { *alive_ = nullptr; }

void THtmlListener::HandleEvent(TEventID id, IHtmlEventObj& event) {
  try {
    for (int index = 0; index < handlers_->Count(); ++index) {
      THtmlEventHandler* handler = handlers_->Items(index);
      if (handler->EventID == id) handler->OnHandle(this, event);
    }
  } catch (...) {
    Application->HandleException(this);
  }
}
