#pragma once
// What the editors' tests share: the toolkit started once, and a fresh editor form of class F
// streamed from its form resource for each test, freed after it.
#include <gtest/gtest.h>

#include "classlib/desktop/Form.h"
#include "tests/support/DesktopFixture.h"
#include "toolkit/Toolkit.h"

template <class F>
class EditorTest : public DesktopTest {
protected:
  static void SetUpTestSuite() { vgInitializeToolkit(); }
  void SetUp() override {
    DesktopTest::SetUp();
    editor = TCustomForm::Create<F>(nullptr);
    ASSERT_NE(editor, nullptr);
  }
  void TearDown() override {
    if (editor) editor->Free();
    DesktopTest::TearDown();
  }
  F* editor = nullptr;
};
