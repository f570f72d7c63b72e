#pragma once
// The page objects of the platform's browser control behind the interfaces of tips/WebPage.h.
#include "classlib/desktop/Win32.h"
#include <exdisp.h>
#include <mshtml.h>
#include <wrl/client.h>

#include <memory>

#include "tips/browser/WebPage.h"

// An HTML document of the control; listeners connect to its HTMLDocumentEvents2.
class TBrowserDocument : public IHtmlDocument {
public:
  explicit TBrowserDocument(Microsoft::WRL::ComPtr<IHTMLDocument2> document) : document_(std::move(document)) {}
  std::shared_ptr<IListenerLink> ConnectListener(THtmlListener& listener) override;

private:
  Microsoft::WRL::ComPtr<IHTMLDocument2> document_;
};

// The browser object that an event of the control names.
class TBrowserFrame : public IWebFrame {
public:
  // nullptr when `object` is no browser object.
  static std::unique_ptr<TBrowserFrame> FromDispatch(IDispatch* object);
  IHtmlDocument* HtmlDocument() override;

private:
  explicit TBrowserFrame(Microsoft::WRL::ComPtr<IWebBrowser2> browser) : browser_(std::move(browser)) {}
  Microsoft::WRL::ComPtr<IWebBrowser2> browser_;
  std::unique_ptr<TBrowserDocument> document_;
  bool documentRead_ = false;
};
