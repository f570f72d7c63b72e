#include <gtest/gtest.h>

#include "AppFixture.h"
#include "ScriptedPageHost.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "tips/browser/EmbeddedWB.h"
#include "tips/browser/HtmlParse.h"

namespace {

class EmbeddedWBTest : public AppTest {
protected:
  TScriptedPages pages;
  Owned<TForm> form;
  TEmbeddedWB* browser = nullptr;

  void SetUp() override {
    AppTest::SetUp();
    form.reset(new TForm(nullptr));
    form->SetBounds(10, 10, 320, 240);
    browser = new TEmbeddedWB(form.get());
    browser->SetParent(form.get());
    browser->SetAlign(alClient);
    // The browser asks for its page host when its window is made.
    browser->HandleNeeded();
  }
  TScriptedPageHost& Page() { return pages.Of(browser); }
};

TEST_F(EmbeddedWBTest, PlacesThePageInItsWindowAndFollowsItsSize) {
  EXPECT_EQ(Page().Window(), browser->Handle());
  form->SetBounds(10, 10, 400, 300);
  RECT client{};
  GetClientRect(browser->Handle(), &client);
  EXPECT_EQ(client.right, form->ClientWidth());
  EXPECT_EQ(Page().Bounds().right, client.right);
  EXPECT_EQ(Page().Bounds().bottom, client.bottom);
  form.reset();
  EXPECT_EQ(Page().Window(), nullptr);
}

struct TAddressCase {
  std::string Address;
  std::vector<std::wstring> Navigated;
  friend void PrintTo(const TAddressCase& c, std::ostream* out) { *out << "'" << c.Address << "'"; }
};

class EmbeddedWBNavigate : public EmbeddedWBTest, public testing::WithParamInterface<TAddressCase> {};

TEST_P(EmbeddedWBNavigate, ShowsFoldersAsFileAddressesAndSkipsBlankTexts) {
  browser->Navigate(GetParam().Address);
  browser->Navigate("about:blank");
  std::vector<std::wstring> expected = GetParam().Navigated;
  expected.push_back(L"about:blank");
  EXPECT_EQ(Page().Navigations(), expected);
}

INSTANTIATE_TEST_SUITE_P(Addresses, EmbeddedWBNavigate,
                         testing::Values(TAddressCase{"", {}}, TAddressCase{"   ", {}},
                                         TAddressCase{"C:\\windows", {L"file:///C:\\windows"}},
                                         TAddressCase{"C:\\no\\such\\folder", {L"C:\\no\\such\\folder"}},
                                         TAddressCase{"http://tips.kest.example/kest_tips",
                                                      {L"http://tips.kest.example/kest_tips"}}));

TEST_F(EmbeddedWBTest, SwallowsOnlyTheDisabledCtrlShortcuts) {
  browser->DisableCtrlShortcuts = "nP";
  EXPECT_TRUE(browser->IsCtrlShortcutDisabled('N'));
  EXPECT_TRUE(browser->IsCtrlShortcutDisabled('P'));
  EXPECT_FALSE(browser->IsCtrlShortcutDisabled('C'));
  EXPECT_FALSE(browser->IsCtrlShortcutDisabled(VK_RETURN));
}

TEST_F(EmbeddedWBTest, HandsHandlerErrorsToTheApplication) {
  browser->OnDocumentComplete = [](TObject*, IWebFrame*, const Variant&) { throw EConvertError("broken page"); };
  Page().CompleteWithoutFrame(L"about:blank");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Text, L"broken page");
}

TEST_F(EmbeddedWBTest, PassesTheEventArgumentsAndTheCancel) {
  std::wstring url;
  browser->OnBeforeNavigate2 = [&](TObject* sender, IWebFrame* frame, const Variant& URL, const Variant&,
                                   const Variant&, const Variant&, const Variant&, bool& Cancel) {
    EXPECT_EQ(sender, browser);
    EXPECT_NE(frame, nullptr);
    url = URL.ToWideString();
    Cancel = true;
  };
  EXPECT_TRUE(Page().BeforeNavigate(L"http://x.example/"));
  EXPECT_EQ(url, L"http://x.example/");
}

struct TAttributeCase {
  TScriptedElements Elements;
  std::string Value;
  friend void PrintTo(const TAttributeCase& c, std::ostream* out) { *out << "'" << c.Value << "'"; }
};

class ElementAttribute : public EmbeddedWBTest, public testing::WithParamInterface<TAttributeCase> {};

TEST_P(ElementAttribute, IsTheTrimmedTextOfTheTopDocumentsElement) {
  Page().CompleteTop(std::make_shared<TScriptedDocument>(GetParam().Elements), L"about:blank");
  EXPECT_EQ(GetElementAttribute(*browser, "userdata", "data"), GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(
    Elements, ElementAttribute,
    testing::Values(TAttributeCase{{}, ""}, TAttributeCase{{{L"other", {{L"data", L"x"}}}}, ""},
                    TAttributeCase{{{L"userdata", {{L"other", L"x"}}}}, ""},
                    TAttributeCase{{{L"userdata", {{L"data", L" \t\r\n"}}}}, ""},
                    TAttributeCase{{{L"userdata", {{L"data", L"\x01 abc def \x1f"}}}}, "abc def"},
                    TAttributeCase{{{L"userdata", {{L"data", L"\x4E2D\x6587"}}}}, "\xD6\xD0\xCE\xC4"}));

TEST_F(ElementAttribute, RaisesWhenTheTopDocumentIsNoHtml) {
  Page().CompleteTopWithoutHtml(L"http://x.example/picture.png");
  EXPECT_THROW(GetElementAttribute(*browser, "userdata", "data"), EOleError);
}

}  // namespace
