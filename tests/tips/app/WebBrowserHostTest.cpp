// The platform's browser control itself. Wine creates and activates it, but its HTML engine is
// not installed here, so no page ever loads: these tests go as far as that allows.
#include <gtest/gtest.h>

#include "AppFixture.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "tips/browser/EmbeddedWB.h"
#include "tips/browser/WebBrowserHost.h"

namespace {

class WebBrowserHostTest : public AppTest {
protected:
  Owned<TForm> form;
  TEmbeddedWB* browser = nullptr;

  void SetUp() override {
    AppTest::SetUp();
    form.reset(new TForm(nullptr));
    form->SetBounds(0, 0, 320, 240);
    browser = new TEmbeddedWB(form.get());
    browser->SetParent(form.get());
    browser->SetAlign(alClient);
  }
};

TEST_F(WebBrowserHostTest, EmbedsTheControlInTheBrowsersWindow) {
  browser->HandleNeeded();
  form->Show();
  // The control's own window sits inside the browser's.
  EXPECT_NE(GetWindow(browser->Handle(), GW_CHILD), nullptr);
  form->SetBounds(0, 0, 400, 300);
  EXPECT_NO_THROW(browser->Navigate("about:blank"));
  PumpFor(200);
  EXPECT_TRUE(boxes.empty());
  form.reset();
}

TEST_F(WebBrowserHostTest, ReadsAttributesOnlyFromAnHtmlDocument) {
  browser->Navigate("about:blank");
  EXPECT_THROW(browser->TopElementAttribute(L"userdata", L"data"), EOleError);
}

TEST_F(WebBrowserHostTest, AHostWithoutItsWindowGoesQuietly) {
  std::unique_ptr<IPageHost> host = CreateWebBrowserHost(*browser);
  EXPECT_NO_THROW(host->Navigate(L"about:blank"));
  host.reset();
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
