#include "engine/tree/ObjectRegistry.h"

#include <gtest/gtest.h>

#include "classlib/core/SysUtils.h"
#include "engine/tree/Object.h"
#include "engine/tree/TreeUnit.h"
#include "engine/styles/ResourceObjects.h"
#include "tests/support/RecordingScene.h"

namespace {

class TRegistrySampleA : public TvgObject {
  CL_CLASS(TRegistrySampleA, TvgObject)
public:
  using TvgObject::TvgObject;
};
class TRegistrySampleB : public TvgObject {
  CL_CLASS(TRegistrySampleB, TvgObject)
public:
  using TvgObject::TvgObject;
};
CL_PUBLISHED(TRegistrySampleA) {}
CL_PUBLISHED(TRegistrySampleB) {}

TEST(ObjectRegistry, KeepsCategoriesSortedAndRegistersForStreaming) {
  vgRegisterObjects("zz Samples", {TRegistrySampleA::StaticClass()});
  vgRegisterObjects("ZZ Other", {TRegistrySampleB::StaticClass()});
  vgRegisterObjects("zz samples", {TRegistrySampleB::StaticClass()});
  const auto& list = vgObjectCategories();
  for (size_t i = 1; i < list.size(); ++i)
    EXPECT_LE(CompareText(list[i - 1].Category, list[i].Category), 0) << list[i].Category;
  int samples = 0;
  for (const auto& entry : list)
    if (SameText(entry.Category, "zz samples")) ++samples;
  EXPECT_EQ(samples, 2);
  EXPECT_EQ(GetClass("tregistrysamplea"), TRegistrySampleA::StaticClass());
}

TEST(ObjectRegistry, RegistersTheResourceObjectsOnce) {
  vgInitializeTreeUnit();
  size_t count = vgObjectCategories().size();
  vgInitializeTreeUnit();
  EXPECT_EQ(vgObjectCategories().size(), count);
  for (const char* name : {"TvgBrushObject", "TvgPathObject", "TvgBitmapObject", "TvgObject", "TvgContent",
                           "TvgControl", "TvgBrush", "TvgGradient", "TvgBitmap", "TvgPathData", "TvgWideStringList"})
    EXPECT_NE(GetClass(name), nullptr) << name;
  int resources = 0;
  for (const auto& entry : vgObjectCategories())
    if (entry.Category == "Resources") ++resources;
  EXPECT_EQ(resources, 3);
}

TEST(ObjectRegistry, ObjectReferencesTravelAsText) {
  TvgObject object(nullptr);
  Variant packed = vgObjectToVariant(&object);
  EXPECT_TRUE(packed.IsString());
  EXPECT_EQ(packed.ToString().substr(0, 5), "vgobj");
  EXPECT_TRUE(vgVarIsObject(packed));
  EXPECT_EQ(vgVariantToObject(packed), &object);

  struct Case {
    Variant value;
    bool isObject;
  } cases[] = {{Variant("vgobj0"), true}, {Variant(int32_t(5)), false}, {Variant("vgob"), false}, {Variant(), false}};
  for (const auto& c : cases) {
    EXPECT_EQ(vgVarIsObject(c.value), c.isObject) << c.value.ToString();
    EXPECT_EQ(vgVariantToObject(c.value), nullptr) << c.value.ToString();
  }
  EXPECT_THROW(vgVariantToObject(Variant("vgobjx1")), EConvertError);
  EXPECT_THROW(vgVariantToObject(Variant("vgobj")), EConvertError);
}

TEST(ObjectRegistry, MethodReferencesCarryDataThenCode) {
  Variant packed("vgmet0012AB34FFFFFFF0");
  EXPECT_TRUE(vgVarIsMethod(packed));
  TMethod method = vgVariantToMethod(packed);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(method.Data), 0x0012AB34u);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(method.Code), 0xFFFFFFF0u);
  EXPECT_TRUE(vgVarIsMethod(Variant(L"vgmet0000000100000002")));
  EXPECT_FALSE(vgVarIsMethod(Variant(int32_t(7))));
  EXPECT_FALSE(vgVarIsMethod(Variant("vgobj1")));
  TMethod none = vgVariantToMethod(Variant("vgobj1"));
  EXPECT_EQ(none.Code, nullptr);
  EXPECT_EQ(none.Data, nullptr);
  EXPECT_THROW(vgVariantToMethod(Variant("vgmet1234")), EConvertError);  // short text: no crash
}

TEST(ObjectRegistry, ScenesAreListedOnce) {
  TRecordingScene first, second;
  size_t before = vgScenes().size();
  vgAddScene(&first);
  vgAddScene(&first);
  vgAddScene(&second);
  EXPECT_EQ(vgScenes().size(), before + 2);
  vgRemoveScene(&first);
  vgRemoveScene(&second);
  EXPECT_EQ(vgScenes().size(), before);
}

TEST(ObjectRegistry, TranslationReturnsTextsUnchanged) {
  EXPECT_EQ(vgTranslate(L""), L"");
  EXPECT_EQ(vgTranslate(L"OK"), L"OK");
  EXPECT_EQ(vgTranslate(L"\u7acb\u5373\u66f4\u65b0"), L"\u7acb\u5373\u66f4\u65b0");
}

}  // namespace
