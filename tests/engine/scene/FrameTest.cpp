// Frames: a frame shows another scene's tree in its own scene, the other scene paints nothing
// meanwhile, the tree stays whole when the frame moves to another scene or shows another scene,
// and goes back to its scene when the frame goes; a scene that goes first takes its tree back;
// a scene that another frame shows comes from a new instance of its form.
#include "engine/scene/Frame.h"

#include <gtest/gtest.h>

#include <memory>

#include "engine/scene/Scene.h"
#include "engine/tree/ObjectRegistry.h"
#include "tests/support/DesktopFixture.h"
#include "tests/support/PaintLog.h"
#include "toolkit/Toolkit.h"
#include "classlib/desktop/Form.h"

// A form streamed from its resource with a scene named "ShownScene".
class TfrmFrameSource : public TForm {
  CL_CLASS(TfrmFrameSource, TForm)
public:
  using TForm::TForm;
};

CL_PUBLISHED(TfrmFrameSource) {}

namespace {

// A scene on a form of its own, with a root holding one child.
struct TSceneForm {
  TForm* form;
  TvgWindowScene* scene;
  TvgVisualObject* root;
  TvgVisualObject* child;

  explicit TSceneForm(const char* name) {
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 200, 150);
    scene = new TvgWindowScene(form);
    scene->SetName(name);
    scene->SetParent(form);
    scene->SetAlign(alClient);
    root = new TvgVisualObject(form);
    child = new TvgVisualObject(form);
    root->AddObject(child);
    scene->AddObject(root);
    form->HandleNeeded();
  }
};

class FrameTest : public DesktopTest {
protected:
  static void SetUpTestSuite() { vgInitializeToolkit(); }
  void SetUp() override {
    DesktopTest::SetUp();
    host = std::make_unique<TSceneForm>("HostScene");
    shown = std::make_unique<TSceneForm>("ShownScene");
    frame = new TvgFrame(nullptr);
    frame->SetBounds(10, 10, 120, 80);
    host->root->AddObject(frame);
  }
  void TearDown() override {
    for (auto* sceneForm : {host.get(), shown.get()})
      if (sceneForm && sceneForm->form) sceneForm->form->Free();
    DesktopTest::TearDown();
  }

  std::unique_ptr<TSceneForm> host, shown;
  TvgFrame* frame;
};

TEST_F(FrameTest, TheFrameShowsTheOtherScenesTreeWhichPaintsNothingMeanwhile) {
  frame->SetSceneObject(shown->scene);
  EXPECT_EQ(frame->ShownRoot(), shown->root);
  EXPECT_EQ(shown->root->Parent(), frame);
  EXPECT_EQ(shown->root->Scene(), host->scene);
  EXPECT_EQ(shown->root->Align(), vaClient);
  EXPECT_EQ(shown->root->Width(), 120);
  EXPECT_EQ(shown->scene->Frame(), frame);
  EXPECT_EQ(shown->scene->GetRoot(), nullptr);
  EXPECT_EQ(shown->child->Parent(), shown->root);
}

TEST_F(FrameTest, ItsOwnSceneCannotBeShown) {
  frame->SetSceneObject(host->scene);
  EXPECT_EQ(frame->SceneObject(), nullptr);
}

TEST_F(FrameTest, MovedToAnotherSceneTheFrameKeepsTheTree) {
  frame->SetSceneObject(shown->scene);
  TSceneForm third("ThirdScene");
  third.root->AddObject(frame);
  EXPECT_EQ(frame->Scene(), third.scene);
  EXPECT_EQ(frame->ShownRoot(), shown->root);
  EXPECT_EQ(shown->root->Scene(), third.scene);
  EXPECT_EQ(shown->child->Scene(), third.scene);
  EXPECT_EQ(shown->child->Parent(), shown->root);
  host->root->AddObject(frame);
  third.form->Free();
}

TEST_F(FrameTest, ShowingAnotherSceneGivesTheFirstItsTreeBack) {
  frame->SetSceneObject(shown->scene);
  TSceneForm other("OtherScene");
  frame->SetSceneObject(other.scene);
  EXPECT_EQ(shown->scene->GetRoot(), shown->root);
  EXPECT_EQ(shown->root->Scene(), shown->scene);
  EXPECT_EQ(shown->root->Parent(), nullptr);
  EXPECT_EQ(shown->scene->Frame(), nullptr);
  EXPECT_EQ(frame->ShownRoot(), other.root);
  frame->SetSceneObject(nullptr);
  EXPECT_EQ(other.scene->GetRoot(), other.root);
  EXPECT_EQ(frame->ChildrenCount(), 0);
  other.form->Free();
}

TEST_F(FrameTest, DestroyingTheFramesSceneGivesTheTreeBack) {
  frame->SetSceneObject(shown->scene);
  int childrenFreed = 0;
  struct TWatch : TComponent {
    int& count;
    TWatch(TComponent* watched, int& c) : TComponent(nullptr), count(c) { FreeNotification(watched); }
    void Notification(TComponent*, TOperation operation) override { count += operation == opRemove; }
  } watch(shown->child, childrenFreed);
  FreeAndNil(host->form);
  EXPECT_EQ(childrenFreed, 0);
  EXPECT_EQ(shown->scene->GetRoot(), shown->root);
  EXPECT_EQ(shown->root->Scene(), shown->scene);
  EXPECT_EQ(shown->child->Parent(), shown->root);
  EXPECT_EQ(shown->scene->Frame(), nullptr);
}

TEST_F(FrameTest, AShownSceneDestroyedFirstTakesItsTreeWithIt) {
  frame->SetSceneObject(shown->scene);
  FreeAndNil(shown->form);
  EXPECT_EQ(frame->SceneObject(), nullptr);
  EXPECT_EQ(frame->ShownRoot(), nullptr);
  EXPECT_EQ(frame->ChildrenCount(), 0);
  host->root->Repaint();  // nothing of the freed tree is reached
  host->scene->Draw();
}

TEST_F(FrameTest, TheFrameStreamsNoChildren) {
  frame->SetSceneObject(shown->scene);
  int streamed = 0;
  frame->GetChildren([&](TComponent*) { ++streamed; }, nullptr);
  EXPECT_EQ(streamed, 0);
}

TEST_F(FrameTest, ASceneShownByAnotherFrameIsPendingUntilTheFramePaints) {
  frame->SetSceneObject(shown->scene);
  auto* second = new TvgFrame(nullptr);
  host->root->AddObject(second);
  second->SetSceneObject(shown->scene);
  EXPECT_TRUE(second->Pending());
  EXPECT_EQ(second->ShownRoot(), nullptr);
  EXPECT_EQ(frame->ShownRoot(), shown->root);
}

TEST_F(FrameTest, APendingFrameShowsANewInstanceOfTheScenesFormWhenItPaints) {
  RegisterClasses({TfrmFrameSource::StaticClass()});
  Owned<TfrmFrameSource> source(TCustomForm::Create<TfrmFrameSource>(nullptr));
  auto* sourceScene = dynamic_cast<TvgCustomScene*>(source->FindComponent("ShownScene"));
  ASSERT_NE(sourceScene, nullptr);
  frame->SetSceneObject(sourceScene);
  auto* second = new TvgFrame(nullptr);
  second->SetBounds(0, 0, 100, 60);
  host->root->AddObject(second);
  second->SetSceneObject(sourceScene);
  ASSERT_TRUE(second->Pending());
  second->Paint();
  EXPECT_FALSE(second->Pending());
  ASSERT_NE(second->SceneObject(), nullptr);
  EXPECT_NE(second->SceneObject(), sourceScene);
  EXPECT_EQ(second->SceneObject()->Name(), "ShownScene");
  EXPECT_EQ(second->SceneObject()->Owner()->ClassType(), TfrmFrameSource::StaticClass());
  ASSERT_NE(second->ShownRoot(), nullptr);
  EXPECT_EQ(second->ShownRoot()->Name(), "Panel");
  EXPECT_NE(second->ShownRoot(), frame->ShownRoot());
  TComponent* instance = second->SceneObject()->Owner();
  second->Free();
  instance->Free();
}

TEST_F(FrameTest, IsRegisteredUnderLayout) {
  bool found = false;
  for (const TvgObjectCategory& c : vgObjectCategories())
    found |= c.Category == "Layout" && c.Class == TvgFrame::StaticClass();
  EXPECT_TRUE(found);
  EXPECT_EQ(GetClass("TvgFrame"), TvgFrame::StaticClass());
}

}  // namespace
