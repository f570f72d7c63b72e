#pragma once
// A page host for the tests: it shows nothing, records what the browser is asked to navigate to,
// and raises the browser's events with the addresses, frames, documents, element attributes and
// clicked class names a test gives, as the platform's browser control would.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tips/browser/EmbeddedWB.h"
#include "tips/browser/HtmlListener.h"
#include "tips/browser/WebPage.h"

// Element id -> attribute name -> value.
using TScriptedElements = std::map<std::wstring, std::map<std::wstring, std::wstring>>;

class TScriptedDocument : public IHtmlDocument {
public:
  explicit TScriptedDocument(TScriptedElements elements = {}, bool hasConnectionPoints = true)
      : elements_(std::move(elements)), hasConnectionPoints_(hasConnectionPoints) {}

  std::shared_ptr<IListenerLink> ConnectListener(THtmlListener& listener) override;
  // A click on an element with this class attribute, delivered to every connected listener in
  // the order they connected. Without a class the element has no class attribute.
  void Click(const std::wstring& className);
  // Listeners connected and not disconnected.
  int Connections() const;
  const TScriptedElements& Elements() const { return elements_; }

private:
  struct TConnection {
    std::shared_ptr<THtmlListener* const> Listener;
    bool Connected = true;
  };
  class TLink;
  TScriptedElements elements_;
  bool hasConnectionPoints_;
  std::vector<std::shared_ptr<TConnection>> connections_;
};

class TScriptedPageHost : public IPageHost {
public:
  explicit TScriptedPageHost(TEmbeddedWB& browser) : browser_(browser) {}

  // Raises BeforeNavigate2 for the top frame; answers whether the browser cancelled it.
  bool BeforeNavigate(const std::wstring& url);
  // Makes the document the top-level one and raises DocumentComplete for it.
  void CompleteTop(std::shared_ptr<TScriptedDocument> document, const std::wstring& url);
  // Raises DocumentComplete for a frame showing the document; the top-level document stays.
  void CompleteFrame(std::shared_ptr<TScriptedDocument> document, const std::wstring& url);
  // A top-level document that is no HTML document (a picture shown on its own).
  void CompleteTopWithoutHtml(const std::wstring& url);
  // DocumentComplete naming an object that is no browser.
  void CompleteWithoutFrame(const std::wstring& url);

  const std::vector<std::wstring>& Navigations() const { return navigations_; }
  // What the page did with the keys offered to its accelerators: L"Tab" (its focus moved) or
  // L"Ctrl+N" and the like (it acted on the shortcut), in order. Keys that the browser's host
  // swallowed are not among them but counted by SwallowedKeys.
  const std::vector<std::wstring>& PageKeys() const { return pageKeys_; }
  int OfferedKeys() const { return offeredKeys_; }
  int SwallowedKeys() const { return swallowedKeys_; }
  HWND Window() const { return window_; }
  const RECT& Bounds() const { return bounds_; }

  void Embed(HWND window, const RECT& bounds) override;
  void Resize(const RECT& bounds) override;
  void Unembed() override { window_ = nullptr; }
  void Navigate(const std::wstring& address) override { navigations_.push_back(address); }
  std::optional<std::wstring> TopElementAttribute(const std::wstring& id, const std::wstring& name) override;
  // As the browser control: the host is asked first; then Tab and Ctrl with a letter are the
  // page's own accelerators; every other key is left to the window it was sent to.
  bool TranslateAccelerator(MSG& message) override;

private:
  class TFrame;
  void Complete(IHtmlDocument* document, const std::wstring& url);

  TEmbeddedWB& browser_;
  std::vector<std::wstring> navigations_;
  std::vector<std::wstring> pageKeys_;
  int offeredKeys_ = 0;
  int swallowedKeys_ = 0;
  std::shared_ptr<TScriptedDocument> top_;
  bool topIsHtml_ = true;
  HWND window_ = nullptr;
  RECT bounds_{};
};

// While it lives, every browser made gets a scripted page host.
class TScriptedPages {
public:
  TScriptedPages();
  ~TScriptedPages();
  TScriptedPages(const TScriptedPages&) = delete;
  TScriptedPages& operator=(const TScriptedPages&) = delete;

  // The host made for the browser (it must have asked for one: browsers ask when first used).
  TScriptedPageHost& Of(TEmbeddedWB* browser) const;

private:
  std::map<TEmbeddedWB*, TScriptedPageHost*> hosts_;
};
