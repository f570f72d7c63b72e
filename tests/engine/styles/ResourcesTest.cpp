// TvgResources: the "ResourcesBin" property of a form, object text and style files as sources of
// the root, and the scenes that re-apply their styles when it changes.
#include "engine/styles/Resources.h"

#include "classlib/desktop/Win32.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "tests/support/StyleFixture.h"
#include "classlib/core/MemoryStream.h"
#include "classlib/core/ObjectText.h"
#include "classlib/core/Reader.h"
#include "classlib/core/StringStream.h"
#include "classlib/core/Writer.h"
#include "engine/tree/ObjectStreaming.h"

namespace {

// The binary component stream of a container, as a form resource carries it.
std::string ContainerStream(TvgResources* container) {
  TMemoryStream stream;
  WriteComponentToStream(stream, container);
  return std::string(static_cast<const char*>(stream.Memory()), size_t(stream.Size()));
}

TvgResources* ReadContainer(const std::string& bytes) {
  TStringStream stream(bytes);
  auto* container = new TvgResources(nullptr);
  ReadComponentFromStream(stream, container);
  return container;
}

std::string Hex(const std::string& bytes) {
  std::string text;
  char digits[3];
  for (unsigned char b : bytes) {
    std::snprintf(digits, sizeof digits, "%02X", b);
    text += digits;
  }
  return text;
}

std::string ProgramFolder() {
  char path[MAX_PATH];
  const std::string file(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return file.substr(0, file.find_last_of("\\/") + 1);
}

void WriteFile(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}

// A file that removes itself.
class TStyleFile {
public:
  TStyleFile(std::string path, const std::string& text) : path_(std::move(path)) { WriteFile(path_, text); }
  ~TStyleFile() { std::remove(path_.c_str()); }
  const std::string& Path() const { return path_; }

private:
  std::string path_;
};

using Resources = StyleFixture;

TEST_F(Resources, ResourcesBinCarriesACompleteComponentStream) {
  SetStyleText(StylesText({{"Button1Style1", 1}}));
  const std::string bytes = ContainerStream(resources);
  const size_t at = bytes.find("ResourcesBin");
  ASSERT_NE(at, std::string::npos);
  const size_t value = at + std::strlen("ResourcesBin");
  ASSERT_LT(value + 9, bytes.size());
  EXPECT_EQ(uint8_t(bytes[value]), 10) << "the binary value marker";
  uint32_t length;
  std::memcpy(&length, bytes.data() + value + 1, 4);
  EXPECT_EQ(bytes.substr(value + 5, 4), "TPF0");

  TStringStream nested(bytes.substr(value + 5, length));
  TvgObject* root = vgLoadObjectFromBinary(nullptr, nested);
  ASSERT_NE(root, nullptr);
  EXPECT_NE(root->FindResource("Button1Style1"), nullptr);
  EXPECT_EQ(nested.Position(), nested.Size()) << "the length covers the stream exactly";
  root->Free();
}

TEST_F(Resources, EmptyContainerWritesNoResourcesBin) {
  EXPECT_EQ(ContainerStream(resources).find("ResourcesBin"), std::string::npos);
  SetStyleText(StylesText({{"Button1Style1", 1}}));
  SetStyleText("");
  EXPECT_EQ(resources->Root(), nullptr);
  EXPECT_EQ(ContainerStream(resources).find("ResourcesBin"), std::string::npos);
}

// What a form's text carries: the container with its styles as binary data.
TEST_F(Resources, ButtonFindsItsStyleInTheFormsResourcesBin) {
  SetStyleText(StylesText({{"Button1Style1", 5}}));
  TMemoryStream styles;
  vgSaveObjectToStream(resources->Root(), styles);
  const std::string formText = "object Resources1: TvgResources\r\n  ResourcesBin = {" +
                               Hex(std::string(static_cast<const char*>(styles.Memory()), size_t(styles.Size()))) +
                               "}\r\nend\r\n";
  TStringStream text(formText);
  TMemoryStream binary;
  ObjectTextToBinary(text, binary);
  TvgResources* fromForm = ReadContainer(std::string(static_cast<const char*>(binary.Memory()), size_t(binary.Size())));

  scene->SetStyle(fromForm);
  TvgProbeControl* button = AddControl("Button1Style1");
  button->ApplyResource();
  EXPECT_EQ(StyleTag(button), 5);
  EXPECT_NE(button->part, nullptr);
  scene->SetStyle(resources);
  fromForm->Free();
}

// A form that carries the styles as the lines of Resource, without "ResourcesBin".
TEST_F(Resources, ResourceLinesReadFromAFormGiveTheRoot) {
  std::string lines;
  for (const char* line : {"object TvgVisualObject", "  object TvgVisualObject", "    ResourceName = ''Button1Style1''",
                           "    Tag = 6", "  end", "end"})
    lines += std::string("    '") + line + "'\r\n";
  TStringStream text("object Resources1: TvgResources\r\n  Resource.Strings = (\r\n" + lines + "  )\r\nend\r\n");
  TMemoryStream binary;
  ObjectTextToBinary(text, binary);
  TvgResources* read = ReadContainer(std::string(static_cast<const char*>(binary.Memory()), size_t(binary.Size())));
  ASSERT_NE(read->Root(), nullptr);
  EXPECT_EQ(read->Root()->FindResource("Button1Style1")->Tag(), 6);
  read->Free();
}

TEST_F(Resources, StylesAreShownInTheDesignerOnceInAContainer) {
  SetStyleText(
      "object TvgVisualObject\r\n  DesignHide = True\r\n  object TvgVisualObject\r\n"
      "    ResourceName = 'hidden'\r\n    DesignHide = True\r\n  end\r\nend\r\n");
  ASSERT_NE(resources->Root(), nullptr);
  EXPECT_FALSE(resources->Root()->Visual()->DesignHide());
  EXPECT_FALSE(resources->Root()->FindResource("hidden")->Visual()->DesignHide());
}

TEST_F(Resources, EveryScenesUsingTheContainerReappliesWhenItChanges) {
  SetStyleText(StylesText({{"ProbeControlstyle", 1}}));
  TvgProbeControl* inFirst = AddControl();
  auto* secondScene = new TvgWindowScene(nullptr);
  secondScene->SetStyle(resources);
  auto* inSecond = new TvgProbeControl(nullptr);
  secondScene->AddObject(inSecond);
  auto* otherContainer = new TvgResources(nullptr);
  otherContainer->Resource()->SetText(StylesText({{"ProbeControlstyle", 9}}));
  auto* otherScene = new TvgWindowScene(nullptr);
  otherScene->SetStyle(resources);
  otherScene->SetStyle(otherContainer);
  auto* inOther = new TvgProbeControl(nullptr);
  otherScene->AddObject(inOther);
  for (TvgProbeControl* control : {inFirst, inSecond, inOther}) control->ApplyResource();
  EXPECT_EQ(StyleTag(inOther), 9);

  SetStyleText(StylesText({{"ProbeControlstyle", 2}}));
  EXPECT_EQ(StyleTag(inFirst), 2);
  EXPECT_EQ(StyleTag(inSecond), 2);
  EXPECT_EQ(inOther->events, std::vector<std::string>{"apply"}) << "a scene that left the container is not told";
  secondScene->Free();
  otherScene->Free();
  otherContainer->Free();
}

TEST_F(Resources, FreedContainerLeavesItsScenesWithoutStyle) {
  auto* container = new TvgResources(nullptr);
  container->Resource()->SetText(StylesText({{"ProbeControlstyle", 1}}));
  scene->SetStyle(container);
  TvgProbeControl* control = AddControl();
  control->ApplyResource();
  container->Free();
  EXPECT_EQ(scene->GetStyle(), nullptr);
  EXPECT_EQ(StyleTag(control), 1) << "the clone stays with its control";
  control->UpdateResource();
}

// Clones belong to their controls and outlive the root they came from.
TEST_F(Resources, ReplacedRootLeavesTheClonesInPlace) {
  SetStyleText(StylesText({{"ProbeControlstyle", 1}}));
  TvgProbeControl* control = AddControl();
  control->ApplyResource();
  TvgObject* clone = control->StyleObject();
  TvgObject* oldRoot = resources->Root();
  SetStyleText(StylesText({{"Unrelated", 2}}));
  EXPECT_NE(resources->Root(), oldRoot);
  EXPECT_EQ(control->StyleObject(), clone);
  EXPECT_EQ(clone->Tag(), 1);
}

TEST_F(Resources, ClearedContainerFallsBackToTheDefaultStyle) {
  ASSERT_TRUE(DefaultStyleLoads());
  SetStyleText(StylesText({{"Button1Style1", 1}}));
  TvgBackground* button = AddControl<TvgBackground>("Button1Style1");
  button->ApplyResource();
  EXPECT_EQ(StyleTag(button), 1);
  resources->Resource()->Clear();
  ASSERT_NE(button->StyleObject(), nullptr);
  EXPECT_EQ(button->StyleObject()->ResourceName(), "backgroundstyle");
}

// Damaged data leaves the container empty; the scenes still re-apply and nothing raises.
TEST_F(Resources, BadStyleTextGivesNoRoot) {
  SetStyleText(StylesText({{"ProbeControlstyle", 1}}));
  TvgProbeControl* control = AddControl();
  control->ApplyResource();
  const char* texts[] = {"object TvgVisualObject\r\n  Width = \r\n", "object TvgNoSuchClass\r\nend\r\n",
                         "not an object at all", "object TvgVisualObject\r\n  object TvgNoSuchClass\r\n  end\r\nend\r\n"};
  for (const char* text : texts) {
    SetStyleText(StylesText({{"ProbeControlstyle", 1}}));
    SetStyleText(text);
    EXPECT_EQ(resources->Root(), nullptr) << text;
  }
  EXPECT_EQ(StyleTag(control), 1) << "the last style found stays";
}

// The form around it is sound; only the nested stream is damaged.
TEST_F(Resources, BadResourcesBinGivesNoRoot) {
  SetStyleText(StylesText({{"ProbeControlstyle", 1}}));
  const std::string form = ContainerStream(resources);
  const size_t value = form.find("ResourcesBin") + std::strlen("ResourcesBin");
  uint32_t length;
  std::memcpy(&length, form.data() + value + 1, 4);
  const std::string nested = form.substr(value + 5, length);
  auto withNested = [&](const std::string& data) {
    const uint32_t size = uint32_t(data.size());
    return form.substr(0, value + 1) + std::string(reinterpret_cast<const char*>(&size), 4) + data +
           form.substr(value + 5 + length);
  };
  std::string badSignature = nested;
  badSignature[1] = 'X';
  std::string unknownClass = nested;
  unknownClass[unknownClass.find("TvgVisualObject")] = 'X';
  for (const std::string& data : {badSignature, unknownClass, nested.substr(0, nested.size() / 2),
                                  nested.substr(0, nested.size() - 1), std::string(), std::string(40, '\xFF')}) {
    TvgResources* read = ReadContainer(withNested(data));
    EXPECT_EQ(read->Root(), nullptr) << data.size();
    read->Free();
  }
}

TEST_F(Resources, FileIsTakenFromTheProgramsFolderFirst) {
  const TStyleFile inFolder(ProgramFolder() + "ResourcesTest.style", StylesText({{"ProbeControlstyle", 1}}));
  resources->SetFileName("ResourcesTest.style");
  ASSERT_NE(resources->Root(), nullptr);
  EXPECT_EQ(resources->Root()->FindResource("ProbeControlstyle")->Tag(), 1);
}

TEST_F(Resources, FileIsTakenAsGivenWhenNotInTheProgramsFolder) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const TStyleFile elsewhere(std::string(temp) + "ResourcesTestElsewhere.style", StylesText({{"ProbeControlstyle", 3}}));
  resources->SetFileName(elsewhere.Path());
  ASSERT_NE(resources->Root(), nullptr);
  EXPECT_EQ(resources->Root()->FindResource("ProbeControlstyle")->Tag(), 3);
}

TEST_F(Resources, MissingFileIsIgnored) {
  SetStyleText(StylesText({{"ProbeControlstyle", 1}}));
  TvgObject* root = resources->Root();
  resources->SetFileName("NoSuchStyleFile.style");
  EXPECT_EQ(resources->Root(), root);
}

TEST_F(Resources, FileNameReadFromAStreamLoadsAtLoaded) {
  const TStyleFile inFolder(ProgramFolder() + "ResourcesTestLoaded.style", StylesText({{"ProbeControlstyle", 4}}));
  TStringStream text("object Resources1: TvgResources\r\n  FileName = 'ResourcesTestLoaded.style'\r\nend\r\n");
  TMemoryStream binary;
  ObjectTextToBinary(text, binary);
  TvgResources* read = ReadContainer(std::string(static_cast<const char*>(binary.Memory()), size_t(binary.Size())));
  ASSERT_NE(read->Root(), nullptr);
  EXPECT_EQ(read->Root()->FindResource("ProbeControlstyle")->Tag(), 4);
  read->Free();
}

}  // namespace
