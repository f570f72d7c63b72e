#include "engine/animation/KeyAnimation.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/support/AnimationFixture.h"

namespace {

TEST(Keys, KeepTheirPointWithinTheRun) {
  const std::pair<float, float> cases[] = {{1.5f, 1}, {-0.2f, 0}, {0.3f, 0.3f}, {1, 1}, {0, 0}};
  for (auto [written, stored] : cases) {
    TvgFloatKey key;
    key.SetKey(written);
    EXPECT_EQ(key.Key(), stored) << written;
  }
}

class KeyAnimations : public AnimationFixture {
protected:
  void SetUp() override {
    AnimationFixture::SetUp();
    shape = NewShape();
  }

  TvgFloatKeyAnimation* NewFloatKeys(std::initializer_list<std::pair<float, float>> keys) {
    auto* animation = NewAnimation<TvgFloatKeyAnimation>(shape);
    animation->SetPropertyName("Level");
    for (auto [point, value] : keys) {
      auto* key = static_cast<TvgFloatKey*>(animation->Keys()->Add());
      key->SetKey(point);
      key->SetValue(value);
    }
    return animation;
  }

  // The value at the middle of a 0.2 s run.
  float LevelHalfWay(TvgFloatKeyAnimation* animation) {
    shape->SetLevel(-1);
    animation->Start();
    Tick(100);
    return shape->Level();
  }

  TAnimatedShape* shape = nullptr;
};

TEST_F(KeyAnimations, FloatKeysGiveTheValueBetweenTheEnclosingPair) {
  struct Case {
    const char* name;
    std::initializer_list<std::pair<float, float>> keys;
    float halfWay;
  };
  const Case cases[] = {
      {"two keys", {{0, 10}, {1, 20}}, 15},
      {"three keys", {{0, 0}, {0.25f, 100}, {1, 400}}, 200},
      {"first enclosing pair wins", {{0, 0}, {0.5f, 8}, {0.5f, 50}, {1, 60}}, 8},
      {"one key writes nothing", {{0, 10}}, -1},
      {"no pair encloses", {{0.6f, 1}, {1, 2}}, -1},
      {"keys at one point write nothing", {{0.5f, 1}, {0.5f, 2}}, -1},
      {"out of order", {{1, 0}, {0, 10}}, -1},
  };
  for (const Case& c : cases) {
    TvgFloatKeyAnimation* animation = NewFloatKeys(c.keys);
    EXPECT_FLOAT_EQ(LevelHalfWay(animation), c.halfWay) << c.name;
    animation->Free();
  }
}

TEST_F(KeyAnimations, StartFromCurrentWritesTheCurrentValueIntoTheFirstKey) {
  shape->SetLevel(30);
  TvgFloatKeyAnimation* animation = NewFloatKeys({{0, 0}, {1, 50}});
  animation->SetStartFromCurrent(true);
  animation->Start();
  EXPECT_EQ(static_cast<TvgFloatKey*>(animation->Keys()->Keys(0))->Value(), 30);
  Tick(100);
  EXPECT_EQ(shape->Level(), 40);
  auto* empty = NewAnimation<TvgFloatKeyAnimation>(shape);
  empty->SetPropertyName("Level");
  empty->SetStartFromCurrent(true);
  empty->Start();
  EXPECT_EQ(empty->Keys()->Count(), 0);
}

TEST_F(KeyAnimations, ColourKeysBlendTheEnclosingPair) {
  auto* animation = NewAnimation<TvgColorKeyAnimation>(shape);
  animation->SetPropertyName("Fill.Color");
  for (auto [point, value] : {std::pair{0.0f, "#FF000000"}, std::pair{0.25f, "#FF0000FF"}, std::pair{1.0f, "red"}}) {
    auto* key = static_cast<TvgColorKey*>(animation->Keys()->Add());
    key->SetKey(point);
    key->SetValue(value);
  }
  animation->Start();
  Tick(100);
  EXPECT_EQ(shape->Fill()->Color(), "#FF5500AA") << "a third of the way from blue to red";
  shape->Fill()->SetColor("#FF123456");
  animation->SetStartFromCurrent(true);
  animation->Start();
  EXPECT_EQ(static_cast<TvgColorKey*>(animation->Keys()->Keys(0))->Value(), "#FF123456");
}

TEST_F(KeyAnimations, KeysTravelWithACopyOfTheAnimation) {
  TvgFloatKeyAnimation* animation = NewFloatKeys({{0, 5}, {0.75f, 6}});
  std::unique_ptr<TvgObject> copy(animation->Clone(nullptr));
  auto* keys = static_cast<TvgFloatKeyAnimation*>(copy.get())->Keys();
  ASSERT_EQ(keys->Count(), 2);
  EXPECT_EQ(keys->Keys(1)->Key(), 0.75f);
  EXPECT_EQ(static_cast<TvgFloatKey*>(keys->Keys(1))->Value(), 6);
  auto* assigned = NewAnimation<TvgFloatKeyAnimation>(shape);
  assigned->SetKeys(animation->Keys());
  EXPECT_EQ(static_cast<TvgFloatKey*>(assigned->Keys()->Keys(0))->Value(), 5);
}

}  // namespace
