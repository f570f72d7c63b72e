#pragma once
// What the two windows of tips see of the pages their browsers show. The platform's browser
// control stands behind these interfaces in the program (WebBrowserHost), a scripted page host in
// the tests; the windows' handlers are the same code for both.
#include "classlib/desktop/Win32.h"

#include <memory>
#include <optional>
#include <string>

class THtmlListener;

// The event object of a document event, as a listener's handler receives it.
class IHtmlEventObj {
public:
  virtual ~IHtmlEventObj() = default;
  // The whole class attribute of the element the event came from; empty when it has none.
  virtual std::wstring SrcElementClassName() = 0;
};

// One connection of a listener to a document's events.
class IListenerLink {
public:
  virtual ~IListenerLink() = default;
  virtual void Disconnect() = 0;
};

// The HTML document of the page or of one of its frames.
class IHtmlDocument {
public:
  virtual ~IHtmlDocument() = default;
  // Connects the listener to the document's events through its connection points; nullptr when
  // the document has none.
  virtual std::shared_ptr<IListenerLink> ConnectListener(THtmlListener& listener) = 0;
};

// The browser object a page event names: the page itself or one of its frames.
class IWebFrame {
public:
  virtual ~IWebFrame() = default;
  // Its document when that is an HTML document; nullptr otherwise.
  virtual IHtmlDocument* HtmlDocument() = 0;
};

// Shows the pages of one TEmbeddedWB inside its window and raises the browser's events through
// it (TEmbeddedWB::DoBeforeNavigate2, DoDocumentComplete).
class IPageHost {
public:
  virtual ~IPageHost() = default;
  // Places the page in the browser's window; Resize follows the window's client area.
  virtual void Embed(HWND window, const RECT& bounds) = 0;
  virtual void Resize(const RECT& bounds) = 0;
  // Before the browser's window goes.
  virtual void Unembed() = 0;
  virtual void Navigate(const std::wstring& address) = 0;
  // The attribute `name` of the element named or identified `id` in the top-level document:
  // nullopt when there is no such element or the attribute is null. Raises EOleError when the
  // top-level document is not an HTML document.
  virtual std::optional<std::wstring> TopElementAttribute(const std::wstring& id, const std::wstring& name) = 0;
  // Offers a keyboard message to the page before it is dispatched, as a browser's container does
  // (IOleInPlaceActiveObject::TranslateAccelerator): the page moves its focus on Tab and acts on
  // its shortcuts, asking the browser's host first (TEmbeddedWB::HostTranslateAccelerator). True
  // when the page or the host has dealt with the message, which then goes no further.
  virtual bool TranslateAccelerator(MSG& message) = 0;
};
