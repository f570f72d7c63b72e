#pragma once
#include <memory>

#include "tips/browser/WebPage.h"

class TEmbeddedWB;

// The platform's browser control (IWebBrowser2) as the page host of `browser`: an OLE in-place
// site that answers the control with the browser's options and hands its events to it. Raises
// EOleSysError when the control cannot be created.
std::unique_ptr<IPageHost> CreateWebBrowserHost(TEmbeddedWB& browser);
