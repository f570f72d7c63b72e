// The default style built into the program: its structure, the styles and parts the controls
// look up, "buttonstyle" as designed, and loading it as scene objects.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "tests/support/StyleTree.h"
#include "classlib/desktop/ResourceStream.h"
#include "engine/layouts/ScrollBox.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/shapes/Background.h"
#include "engine/shapes/Image.h"
#include "engine/styles/Style.h"
#include "toolkit/Toolkit.h"

namespace {

TStyleNode ReadDefaultStyleData() {
  TResourceStream stream("DEFAULTVGSTYLE");
  return TStyleTreeReader(stream).Read();
}

void CollectClassNames(const TStyleNode& node, std::set<std::string>& names) {
  names.insert(node.ClassName);
  for (const TStyleNode& child : node.Children) CollectClassNames(child, names);
}

int CountNodes(const TStyleNode& node) {
  int count = 1;
  for (const TStyleNode& child : node.Children) count += CountNodes(child);
  return count;
}

std::string Unregistered(const std::set<std::string>& classNames) {
  std::string missing;
  for (const std::string& name : classNames)
    if (!GetClass(name)) missing += " " + name;
  return missing;
}

bool ClassDerivesFrom(TClass c, const std::string& baseName) {
  for (; c; c = c->Parent)
    if (c->Name == baseName) return true;
  return false;
}

// Every style of the default style by its name, compared exactly ("droptargetstyle" stands in the
// style twice: the first found serves).
const char* const kStyleNames[] = {
    "CloseButtonStyle", "anglebuttonstyle", "backgroundstyle", "bitmapbuttonstyle", "buttonstyle",
    "calloutpanelstyle", "checkboxstyle", "checkcellstyle", "circlebuttonstyle", "colorbuttonstyle",
    "comboboxstyle", "combolistboxstyle", "combopopupstyle", "combotextboxstyle", "cornerbuttonstyle",
    "droptargetstyle", "expanderbuttonstyle", "expandercheckboxstyle", "expanderstyle", "framedscrollboxstyle",
    "grad", "gridstyle", "groupboxstyle", "headeritemstyle", "hthumbstyle", "hudCloseButtonStyle",
    "hudSizeGripStyle", "hudanglebuttonstyle", "hudbuttonstyle", "hudcheckboxstyle", "hudcirclebuttonstyle",
    "hudcomboboxstyle", "hudcombolistboxstyle", "hudcombopopupstyle", "hudcombotextboxstyle",
    "hudcornerbuttonstyle", "hudgroupboxstyle", "hudhthumbstyle", "hudlabelstyle", "hudlistboxitemstyle",
    "hudlistboxstyle", "hudmemostyle", "hudnumberboxstyle", "hudpanelstyle", "hudpopupboxstyle",
    "hudradiobuttonstyle", "hudroundbuttonstyle", "hudroundtextboxstyle", "hudscrollbarbottombutton",
    "hudscrollbarhtrackstyle", "hudscrollbarleftbutton", "hudscrollbarrightbutton", "hudscrollbarstyle",
    "hudscrollbartopbutton", "hudscrollbarvtrackstyle", "hudspinboxstyle", "hudstatusbarstyle",
    "hudtabcontrolstyle", "hudtabitemstyle", "hudtextboxstyle", "hudthumbbarstyle", "hudtrackbarstyle",
    "hudtrackstyle", "hudvthumbstyle", "hudwindowstyle", "iconconfirmation", "iconerror", "iconinformation",
    "iconwarning", "imagecellstyle", "imagecontrolstyle", "imagelistboxitemstyle", "iphonebuttonstyle",
    "labelstyle", "listboxitemstyle", "listboxstyle", "memostyle", "messagepopupstyle", "numberboxstyle",
    "panelstyle", "pathbuttonstyle", "pathcheckboxstyle", "popupboxstyle", "popupbuttonstyle", "popupcellstyle",
    "progressbarstyle", "progresscellstyle", "radiobuttonstyle", "roundbuttonstyle", "roundtextboxstyle",
    "scrollbarbottombutton", "scrollbarhtrackstyle", "scrollbarleftbutton", "scrollbarrightbutton",
    "scrollbarstyle", "scrollbartopbutton", "scrollbarvtrackstyle", "scrollboxstyle", "sizegripstyle",
    "smallscrollbarhtrackstyle", "smallscrollbarstyle", "smallscrollbarvtrackstyle", "speedbuttonstyle",
    "spinboxstyle", "splitterstyle", "statusbarstyle", "tabcontrolstyle", "tabitemstyle", "textboxclearbtnstyle",
    "textboxstyle", "textcellstyle", "thumbbarstyle", "toolbarstyle", "toolbuttonstyle", "toolpathbuttonstyle",
    "trackbarstyle", "trackstyle", "transparentbuttonstyle", "transparentcirclebuttonstyle",
    "transparentlistboxstyle", "treeviewexpanderbuttonstyle", "treeviewitemstyle", "treeviewstyle",
    "valuelabelstyle", "vthumbstyle",
};

// The top objects whose class is fixed; the others may be any of kStyleClasses.
const std::pair<const char*, const char*> kFixedStyleClasses[] = {
    {"grad", "TvgBrushObject"}, {"iconconfirmation", "TvgImage"}, {"iconerror", "TvgImage"},
    {"iconinformation", "TvgImage"}, {"iconwarning", "TvgImage"}, {"buttonstyle", "TvgLayout"},
    {"calloutpanelstyle", "TvgCalloutRectangle"},
};
const std::set<std::string> kStyleClasses = {"TvgLayout",    "TvgRectangle",      "TvgImage",       "TvgEllipse",
                                             "TvgRoundRect", "TvgSidesRectangle", "TvgBrushObject", "TvgCalloutRectangle"};

struct TFreeStyle {
  void operator()(TvgObject* style) const { style->Free(); }
};
using TLoadedStyle = std::unique_ptr<TvgObject, TFreeStyle>;

TLoadedStyle LoadDefaultStyle() { return TLoadedStyle(vgLoadStyleResource("DEFAULTVGSTYLE")); }

bool IsVisualClass(const std::string& className) {
  TClass c = GetClass(className);
  return c && ClassDerivesFrom(c, "TvgVisualObject");
}

// What the controls find in their styles. An empty part means the style's top object itself.
struct TExpectedPart {
  const char* Style;
  const char* Part;
  const char* BaseClass;
};
const TExpectedPart kControlParts[] = {
    {"backgroundstyle", "", "TvgVisualObject"},
    {"labelstyle", "text", "TvgText"},
    {"valuelabelstyle", "text", "TvgText"},
    {"hudlabelstyle", "text", "TvgText"},
    {"panelstyle", "", "TvgVisualObject"},
    {"hudpanelstyle", "", "TvgVisualObject"},
    {"calloutpanelstyle", "", "TvgCalloutRectangle"},
    {"statusbarstyle", "sizegrip", "TvgSizeGrip"},
    {"hudstatusbarstyle", "sizegrip", "TvgHudSizeGrip"},
    {"toolbarstyle", "", "TvgVisualObject"},
    {"groupboxstyle", "background", "TvgVisualObject"},
    {"groupboxstyle", "text", "TvgText"},
    {"hudgroupboxstyle", "background", "TvgVisualObject"},
    {"hudgroupboxstyle", "text", "TvgText"},
    {"imagecontrolstyle", "image", "TvgImage"},
    {"buttonstyle", "text", "TvgText"},
    {"roundbuttonstyle", "text", "TvgText"},
    {"circlebuttonstyle", "text", "TvgText"},
    {"popupbuttonstyle", "text", "TvgText"},
    {"speedbuttonstyle", "text", "TvgText"},
    {"transparentbuttonstyle", "background", "TvgShape"},
    {"transparentbuttonstyle", "text", "TvgText"},
    {"hudbuttonstyle", "text", "TvgText"},
    {"hudroundbuttonstyle", "text", "TvgText"},
    {"hudcirclebuttonstyle", "text", "TvgText"},
    {"transparentcirclebuttonstyle", "text", "TvgText"},
    {"cornerbuttonstyle", "Background", "TvgRectangle"},
    {"cornerbuttonstyle", "text", "TvgText"},
    {"hudcornerbuttonstyle", "Background", "TvgRectangle"},
    {"hudcornerbuttonstyle", "text", "TvgText"},
    {"colorbuttonstyle", "fill", "TvgShape"},
    {"bitmapbuttonstyle", "image", "TvgImage"},
    {"bitmapbuttonstyle", "text", "TvgVisualObject"},
    {"toolbuttonstyle", "image", "TvgImage"},
    {"toolbuttonstyle", "text", "TvgVisualObject"},
    {"pathbuttonstyle", "path", "TvgPath"},
    {"pathbuttonstyle", "pathowner", "TvgVisualObject"},
    {"pathbuttonstyle", "text", "TvgVisualObject"},
    {"toolpathbuttonstyle", "path", "TvgPath"},
    {"toolpathbuttonstyle", "pathowner", "TvgVisualObject"},
    {"toolpathbuttonstyle", "text", "TvgVisualObject"},
    {"expanderbuttonstyle", "", "TvgVisualObject"},
    {"checkboxstyle", "text", "TvgText"},
    {"hudcheckboxstyle", "text", "TvgText"},
    {"pathcheckboxstyle", "checkmark", "TvgPath"},
    {"pathcheckboxstyle", "text", "TvgText"},
    {"radiobuttonstyle", "text", "TvgText"},
    {"hudradiobuttonstyle", "text", "TvgText"},
    {"expandercheckboxstyle", "", "TvgVisualObject"},
    {"CloseButtonStyle", "", "TvgVisualObject"},
    {"hudCloseButtonStyle", "", "TvgVisualObject"},
    {"sizegripstyle", "", "TvgVisualObject"},
    {"hudSizeGripStyle", "", "TvgVisualObject"},
    {"splitterstyle", "grip", "TvgVisualObject"},
    {"trackstyle", "thumb", "TvgThumb"},
    {"hudtrackstyle", "thumb", "TvgThumb"},
    {"trackbarstyle", "thumb", "TvgThumb"},
    {"hudtrackbarstyle", "thumb", "TvgThumb"},
    {"trackbarstyle", "background", "TvgShape"},
    {"hudtrackbarstyle", "background", "TvgShape"},
    {"hthumbstyle", "", "TvgVisualObject"},
    {"vthumbstyle", "", "TvgVisualObject"},
    {"hudhthumbstyle", "", "TvgVisualObject"},
    {"hudvthumbstyle", "", "TvgVisualObject"},
    {"thumbbarstyle", "", "TvgVisualObject"},
    {"hudthumbbarstyle", "", "TvgVisualObject"},
    {"scrollbarstyle", "htrack", "TvgCustomTrack"},
    {"scrollbarstyle", "vtrack", "TvgCustomTrack"},
    {"scrollbarstyle", "leftbutton", "TvgCustomButton"},
    {"scrollbarstyle", "rightbutton", "TvgCustomButton"},
    {"scrollbarstyle", "topbutton", "TvgCustomButton"},
    {"scrollbarstyle", "bottombutton", "TvgCustomButton"},
    {"hudscrollbarstyle", "htrack", "TvgCustomTrack"},
    {"hudscrollbarstyle", "vtrack", "TvgCustomTrack"},
    {"hudscrollbarstyle", "leftbutton", "TvgCustomButton"},
    {"hudscrollbarstyle", "rightbutton", "TvgCustomButton"},
    {"hudscrollbarstyle", "topbutton", "TvgCustomButton"},
    {"hudscrollbarstyle", "bottombutton", "TvgCustomButton"},
    {"smallscrollbarstyle", "htrack", "TvgCustomTrack"},
    {"smallscrollbarstyle", "vtrack", "TvgCustomTrack"},
    {"scrollbarleftbutton", "", "TvgVisualObject"},
    {"scrollbarrightbutton", "", "TvgVisualObject"},
    {"scrollbartopbutton", "", "TvgVisualObject"},
    {"scrollbarbottombutton", "", "TvgVisualObject"},
    {"hudscrollbarleftbutton", "", "TvgVisualObject"},
    {"hudscrollbarrightbutton", "", "TvgVisualObject"},
    {"hudscrollbartopbutton", "", "TvgVisualObject"},
    {"hudscrollbarbottombutton", "", "TvgVisualObject"},
    {"scrollbarhtrackstyle", "thumb", "TvgThumb"},
    {"scrollbarvtrackstyle", "thumb", "TvgThumb"},
    {"hudscrollbarhtrackstyle", "thumb", "TvgThumb"},
    {"hudscrollbarvtrackstyle", "thumb", "TvgThumb"},
    {"smallscrollbarhtrackstyle", "thumb", "TvgThumb"},
    {"smallscrollbarvtrackstyle", "thumb", "TvgThumb"},
    {"progressbarstyle", "htrack", "TvgVisualObject"},
    {"progressbarstyle", "vtrack", "TvgVisualObject"},
    {"progressbarstyle", "hindicator", "TvgVisualObject"},
    {"progressbarstyle", "vindicator", "TvgVisualObject"},
    {"anglebuttonstyle", "tick", "TvgVisualObject"},
    {"anglebuttonstyle", "tracktext", "TvgText"},
    {"anglebuttonstyle", "text", "TvgText"},
    {"hudanglebuttonstyle", "tick", "TvgVisualObject"},
    {"hudanglebuttonstyle", "tracktext", "TvgText"},
    {"hudanglebuttonstyle", "text", "TvgText"},
    {"hudwindowstyle", "close", "TvgCloseButton"},
    {"hudwindowstyle", "sizegrip", "TvgSizeGrip"},
    {"hudwindowstyle", "back", "TvgShape"},
    {"hudwindowstyle", "stroke", "TvgShape"},
    {"hudwindowstyle", "caption", "TvgVisualObject"},
    {"hudwindowstyle", "text", "TvgText"},
    {"expanderstyle", "button", "TvgCustomButton"},
    {"expanderstyle", "checkbox", "TvgCheckBox"},
    {"expanderstyle", "text", "TvgText"},
    {"popupboxstyle", "text", "TvgText"},
    {"hudpopupboxstyle", "text", "TvgText"},
    {"tabcontrolstyle", "background", "TvgVisualObject"},
    {"hudtabcontrolstyle", "background", "TvgVisualObject"},
    {"tabitemstyle", "text", "TvgText"},
    {"hudtabitemstyle", "text", "TvgText"},
    {"scrollboxstyle", "content", "TvgVisualObject"},
    {"scrollboxstyle", "vscrollbar", "TvgScrollBar"},
    {"scrollboxstyle", "hscrollbar", "TvgScrollBar"},
    {"scrollboxstyle", "vsmallscrollbar", "TvgSmallScrollBar"},
    {"scrollboxstyle", "hsmallscrollbar", "TvgSmallScrollBar"},
    {"scrollboxstyle", "sizegrip", "TvgSizeGrip"},
    {"framedscrollboxstyle", "content", "TvgVisualObject"},
    {"framedscrollboxstyle", "vscrollbar", "TvgScrollBar"},
    {"framedscrollboxstyle", "hscrollbar", "TvgScrollBar"},
    {"framedscrollboxstyle", "vsmallscrollbar", "TvgSmallScrollBar"},
    {"framedscrollboxstyle", "hsmallscrollbar", "TvgSmallScrollBar"},
    {"framedscrollboxstyle", "sizegrip", "TvgSizeGrip"},
    {"messagepopupstyle", "", "TvgVisualObject"},
    {"textboxstyle", "content", "TvgContent"},
    {"textboxstyle", "selection", "TvgBrushObject"},
    {"textboxstyle", "foreground", "TvgBrushObject"},
    {"roundtextboxstyle", "content", "TvgContent"},
    {"roundtextboxstyle", "selection", "TvgBrushObject"},
    {"roundtextboxstyle", "foreground", "TvgBrushObject"},
    {"hudtextboxstyle", "content", "TvgContent"},
    {"hudtextboxstyle", "selection", "TvgBrushObject"},
    {"hudtextboxstyle", "foreground", "TvgBrushObject"},
    {"hudroundtextboxstyle", "content", "TvgContent"},
    {"hudroundtextboxstyle", "selection", "TvgBrushObject"},
    {"hudroundtextboxstyle", "foreground", "TvgBrushObject"},
    {"textboxclearbtnstyle", "content", "TvgContent"},
    {"textboxclearbtnstyle", "selection", "TvgBrushObject"},
    {"textboxclearbtnstyle", "foreground", "TvgBrushObject"},
    {"textboxclearbtnstyle", "clearbutton", "TvgCustomButton"},
    {"numberboxstyle", "content", "TvgContent"},
    {"numberboxstyle", "selection", "TvgBrushObject"},
    {"numberboxstyle", "foreground", "TvgBrushObject"},
    {"hudnumberboxstyle", "content", "TvgContent"},
    {"hudnumberboxstyle", "selection", "TvgBrushObject"},
    {"hudnumberboxstyle", "foreground", "TvgBrushObject"},
    {"spinboxstyle", "content", "TvgContent"},
    {"spinboxstyle", "selection", "TvgBrushObject"},
    {"spinboxstyle", "foreground", "TvgBrushObject"},
    {"hudspinboxstyle", "content", "TvgContent"},
    {"hudspinboxstyle", "selection", "TvgBrushObject"},
    {"hudspinboxstyle", "foreground", "TvgBrushObject"},
    {"spinboxstyle", "minusbutton", "TvgCustomButton"},
    {"spinboxstyle", "plusbutton", "TvgCustomButton"},
    {"hudspinboxstyle", "minusbutton", "TvgCustomButton"},
    {"hudspinboxstyle", "plusbutton", "TvgCustomButton"},
    {"spinboxminusbutton", "background", "TvgVisualObject"},
    {"spinboxplusbutton", "background", "TvgVisualObject"},
    {"hudspinboxminusbutton", "background", "TvgVisualObject"},
    {"hudspinboxplusbutton", "background", "TvgVisualObject"},
    {"memostyle", "background", "TvgShape"},
    {"memostyle", "content", "TvgVisualObject"},
    {"memostyle", "foreground", "TvgBrushObject"},
    {"memostyle", "selection", "TvgBrushObject"},
    {"memostyle", "vscrollbar", "TvgScrollBar"},
    {"memostyle", "hscrollbar", "TvgScrollBar"},
    {"hudmemostyle", "background", "TvgShape"},
    {"hudmemostyle", "content", "TvgVisualObject"},
    {"hudmemostyle", "foreground", "TvgBrushObject"},
    {"hudmemostyle", "selection", "TvgBrushObject"},
    {"hudmemostyle", "vscrollbar", "TvgScrollBar"},
    {"hudmemostyle", "hscrollbar", "TvgScrollBar"},
    {"treeviewstyle", "content", "TvgVisualObject"},
    {"treeviewstyle", "selection", "TvgRectangle"},
    {"treeviewstyle", "vscrollbar", "TvgScrollBar"},
    {"treeviewstyle", "hscrollbar", "TvgScrollBar"},
    {"treeviewstyle", "vsmallscrollbar", "TvgSmallScrollBar"},
    {"treeviewstyle", "hsmallscrollbar", "TvgSmallScrollBar"},
    {"treeviewitemstyle", "button", "TvgSpeedButton"},
    {"treeviewitemstyle", "check", "TvgCheckBox"},
    {"treeviewitemstyle", "text", "TvgText"},
    {"treeviewexpanderbuttonstyle", "", "TvgVisualObject"},
    {"listboxstyle", "background", "TvgShape"},
    {"listboxstyle", "selection", "TvgVisualObject"},
    {"listboxstyle", "AlternatingRowBackground", "TvgBrushObject"},
    {"listboxstyle", "content", "TvgVisualObject"},
    {"listboxstyle", "vscrollbar", "TvgScrollBar"},
    {"listboxstyle", "hscrollbar", "TvgScrollBar"},
    {"hudlistboxstyle", "background", "TvgShape"},
    {"hudlistboxstyle", "selection", "TvgVisualObject"},
    {"hudlistboxstyle", "AlternatingRowBackground", "TvgBrushObject"},
    {"hudlistboxstyle", "content", "TvgVisualObject"},
    {"hudlistboxstyle", "vscrollbar", "TvgScrollBar"},
    {"hudlistboxstyle", "hscrollbar", "TvgScrollBar"},
    {"transparentlistboxstyle", "selection", "TvgVisualObject"},
    {"transparentlistboxstyle", "AlternatingRowBackground", "TvgBrushObject"},
    {"transparentlistboxstyle", "content", "TvgVisualObject"},
    {"transparentlistboxstyle", "vscrollbar", "TvgScrollBar"},
    {"transparentlistboxstyle", "hscrollbar", "TvgScrollBar"},
    {"listboxitemstyle", "check", "TvgCheckBox"},
    {"listboxitemstyle", "text", "TvgText"},
    {"hudlistboxitemstyle", "check", "TvgCheckBox"},
    {"hudlistboxitemstyle", "text", "TvgText"},
    {"imagelistboxitemstyle", "image", "TvgImage"},
    {"imagelistboxitemstyle", "textborder", "TvgVisualObject"},
    {"imagelistboxitemstyle", "text", "TvgText"},
    {"iphonebuttonstyle", "background", "TvgShape"},
    {"iphonebuttonstyle", "image", "TvgImage"},
    {"iphonebuttonstyle", "text", "TvgText"},
    {"droptargetstyle", "background", "TvgShape"},
    {"droptargetstyle", "text", "TvgText"},
    {"combotextboxstyle", "content", "TvgContent"},
    {"combotextboxstyle", "selection", "TvgBrushObject"},
    {"combotextboxstyle", "foreground", "TvgBrushObject"},
    {"hudcombotextboxstyle", "content", "TvgContent"},
    {"hudcombotextboxstyle", "selection", "TvgBrushObject"},
    {"hudcombotextboxstyle", "foreground", "TvgBrushObject"},
    {"combopopupstyle", "", "TvgVisualObject"},
    {"hudcombopopupstyle", "", "TvgVisualObject"},
    {"comboboxstyle", "Content", "TvgContent"},
    {"hudcomboboxstyle", "Content", "TvgContent"},
    {"combolistboxstyle", "background", "TvgShape"},
    {"combolistboxstyle", "selection", "TvgVisualObject"},
    {"combolistboxstyle", "content", "TvgVisualObject"},
    {"combolistboxstyle", "vscrollbar", "TvgScrollBar"},
    {"hudcombolistboxstyle", "background", "TvgShape"},
    {"hudcombolistboxstyle", "selection", "TvgVisualObject"},
    {"hudcombolistboxstyle", "content", "TvgVisualObject"},
    {"hudcombolistboxstyle", "vscrollbar", "TvgScrollBar"},
    {"gridstyle", "background", "TvgShape"},
    {"gridstyle", "header", "TvgHeader"},
    {"gridstyle", "content", "TvgVisualObject"},
    {"gridstyle", "selection", "TvgVisualObject"},
    {"gridstyle", "focus", "TvgVisualObject"},
    {"gridstyle", "AlternatingRowBackground", "TvgBrushObject"},
    {"gridstyle", "LineFill", "TvgBrushObject"},
    {"gridstyle", "vscrollbar", "TvgScrollBar"},
    {"gridstyle", "hscrollbar", "TvgScrollBar"},
    {"gridstyle", "vsmallscrollbar", "TvgScrollBar"},
    {"gridstyle", "hsmallscrollbar", "TvgScrollBar"},
    {"headeritemstyle", "background", "TvgShape"},
    {"headeritemstyle", "text", "TvgText"},
    {"textcellstyle", "content", "TvgContent"},
    {"textcellstyle", "foreground", "TvgBrushObject"},
    {"textcellstyle", "selection", "TvgBrushObject"},
    {"checkcellstyle", "check", "TvgVisualObject"},
    {"progresscellstyle", "htrack", "TvgVisualObject"},
    {"progresscellstyle", "hindicator", "TvgVisualObject"},
    {"popupcellstyle", "text", "TvgText"},
    {"imagecellstyle", "image", "TvgImage"},
};

class DefaultStyle : public testing::Test {
protected:
  static void SetUpTestSuite() {
    vgInitializeToolkit();
    RegisterClass(TvgBackground::StaticClass());
  }
};

TEST_F(DefaultStyle, RootGroupsNamedStylesHiddenInTheDesigner) {
  const TStyleNode root = ReadDefaultStyleData();
  EXPECT_EQ(root.ClassName, "TvgBackground");
  EXPECT_EQ(root.Property("Width"), "548");
  EXPECT_EQ(root.Property("Height"), "547");
  EXPECT_EQ(root.Property("Fill.Color"), "#FF2B2B2B");
  ASSERT_FALSE(root.Children.empty());
  for (const TStyleNode& style : root.Children) {
    EXPECT_FALSE(style.Property("ResourceName").empty()) << style.ClassName;
    // A brush has no place in the designer to hide from.
    if (IsVisualClass(style.ClassName)) EXPECT_EQ(style.Property("DesignHide"), "True") << style.Property("ResourceName");
  }
}

TEST_F(DefaultStyle, HoldsEveryStyleByNameWithItsClass) {
  TLoadedStyle style = LoadDefaultStyle();
  ASSERT_NE(style, nullptr);
  std::map<std::string, const TvgObject*> styles;
  for (int i = 0; i < style->ChildrenCount(); ++i) styles.emplace(style->Children(i)->ResourceName(), style->Children(i));

  std::string missing;
  for (const char* name : kStyleNames)
    if (!styles.count(name)) missing += std::string(" ") + name;
  EXPECT_EQ(missing, "") << "styles missing from the default style:" << missing;

  for (const auto& [name, className] : kFixedStyleClasses)
    if (styles.count(name)) EXPECT_EQ(styles[name]->ClassName(), className) << name;
  for (const auto& [name, object] : styles) {
    EXPECT_TRUE(kStyleClasses.count(object->ClassName())) << name << " is a " << object->ClassName();
    if (!object->IsVisual()) EXPECT_EQ(name, "grad") << "the one style that is no visual object is the brush";
  }
}

// Styles are found by name without regard to case, depth first: a second style of a name, or a
// part of an earlier style named like a later style, would hide that style.
TEST_F(DefaultStyle, EachStyleIsWhatItsNameFinds) {
  TLoadedStyle style = LoadDefaultStyle();
  ASSERT_NE(style, nullptr);
  std::map<std::string, TvgObject*> first;
  std::string repeated;
  for (int i = 0; i < style->ChildrenCount(); ++i) {
    TvgObject* child = style->Children(i);
    const std::string name = LowerCase(child->ResourceName());
    if (!first.emplace(name, child).second && name != "droptargetstyle") repeated += " " + child->ResourceName();
  }
  EXPECT_EQ(repeated, "") << "styles named twice:" << repeated;
  for (const auto& [name, object] : first) EXPECT_EQ(style->FindResource(name), object) << name;
}

TEST_F(DefaultStyle, HoldsEveryStyleAndPartTheControlsLookUp) {
  const TStyleNode root = ReadDefaultStyleData();
  std::set<std::string> unregistered;
  for (const TExpectedPart& expected : kControlParts) {
    SCOPED_TRACE(std::string(expected.Style) + " " + expected.Part);
    const TStyleNode* style = root.FindResource(expected.Style);
    ASSERT_NE(style, nullptr);
    const TStyleNode* part = *expected.Part ? style->FindResource(expected.Part) : style;
    ASSERT_NE(part, nullptr);
    TClass partClass = GetClass(part->ClassName);
    if (!partClass) unregistered.insert(part->ClassName);
    else EXPECT_TRUE(ClassDerivesFrom(partClass, expected.BaseClass)) << part->ClassName;
  }
  EXPECT_TRUE(unregistered.empty()) << "classes not registered:" << Unregistered(unregistered);
}

// The message icons are pictures of their own: a sign on a disc or triangle of their colour, with
// transparent corners.
TEST_F(DefaultStyle, MessageIconsShowTheirSignOnTheirColour) {
  TLoadedStyle style = LoadDefaultStyle();
  ASSERT_NE(style, nullptr);
  struct TIcon {
    const char* Name;
    int SignX, SignY;
    TvgColor Sign;
    int BodyX, BodyY;
    TvgColor Body;
  };
  const TIcon icons[] = {
      {"iconinformation", 16, 20, 0xFFFFFFFF, 8, 16, 0xFF458ED7},
      {"iconconfirmation", 16, 23, 0xFFFFFFFF, 8, 20, 0xFF499D49},
      {"iconwarning", 16, 14, 0xFF2B2B2B, 10, 25, 0xFFE8A123},
      {"iconerror", 16, 16, 0xFFFFFFFF, 16, 5, 0xFFE9665E},
  };
  for (const TIcon& icon : icons) {
    SCOPED_TRACE(icon.Name);
    auto* image = dynamic_cast<TvgImage*>(style->FindResource(icon.Name));
    ASSERT_NE(image, nullptr);
    const TvgBitmap* bitmap = image->Bitmap();
    ASSERT_EQ(bitmap->Width(), 32);
    ASSERT_EQ(bitmap->Height(), 32);
    auto pixel = [&](int x, int y) { return bitmap->Bits()[y * bitmap->Width() + x]; };
    EXPECT_EQ(pixel(icon.SignX, icon.SignY), icon.Sign);
    EXPECT_EQ(pixel(icon.BodyX, icon.BodyY), icon.Body);
    for (const auto& [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}}) EXPECT_EQ(pixel(x, y), 0u) << x << "," << y;
  }
}

// A brush anywhere that names "grad" paints the style's blue gradient from top to bottom.
TEST_F(DefaultStyle, ResourceBrushesNamingGradPaintItsGradient) {
  ASSERT_NE(vgDefaultStyle(), nullptr);
  TvgBitmap bitmap(10, 100);
  TvgCanvas* canvas = bitmap.GetCanvas();
  ASSERT_TRUE(canvas && canvas->BeginScene());
  canvas->Fill()->SetStyle(vgBrushResource);
  canvas->Fill()->Resource()->SetResourceName("grad");
  canvas->FillRect({0, 0, 10, 100}, 0, 0, {}, 1, vgCornerRound);
  canvas->EndScene();
  auto near = [](TvgColor actual, TvgColor expected) {
    for (int shift = 0; shift < 32; shift += 8)
      if (std::abs(int(actual >> shift & 0xFF) - int(expected >> shift & 0xFF)) > 4) return false;
    return true;
  };
  const TvgColor top = bitmap.Bits()[5], bottom = bitmap.Bits()[99 * 10 + 5];
  EXPECT_TRUE(near(top, 0xFF4A9BE8)) << std::hex << top;
  EXPECT_TRUE(near(bottom, 0xFF2F74C0)) << std::hex << bottom;
  vgFreeDefaultStyle();
}

TEST_F(DefaultStyle, ButtonStyleAsDesigned) {
  const TStyleNode root = ReadDefaultStyleData();
  const TStyleNode* button = root.FindResource("buttonstyle");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->ClassName, "TvgLayout");
  EXPECT_EQ(button->Property("Width"), "73");
  EXPECT_EQ(button->Property("Height"), "26");

  const TStyleNode* background = button->FindResource("background");
  ASSERT_NE(background, nullptr);
  EXPECT_EQ(background->ClassName, "TvgRectangle");
  EXPECT_EQ(background->Property("Align"), "vaContents");
  EXPECT_EQ(background->Property("xRadius"), "3");
  EXPECT_EQ(background->Property("yRadius"), "3");
  EXPECT_EQ(background->Property("Fill.Style"), "vgBrushGradient");
  EXPECT_EQ(background->Property("Fill.Gradient.Points[0].Color"), "#FF505050");
  EXPECT_EQ(background->Property("Fill.Gradient.Points[1].Color"), "#FF303030");
  EXPECT_EQ(background->Property("Stroke.Color"), "#FF222222");

  struct TAnimation {
    const char *Start, *Stop, *Trigger, *Inverse;
  };
  const TAnimation animations[] = {
      {"#FF505050", "#FF707070", "IsMouseOver=true;IsPressed=false", "IsMouseOver=false;IsPressed=false"},
      {"#FF707070", "#FF404040", "IsPressed=true", "IsPressed=false"},
  };
  ASSERT_EQ(background->Children.size(), std::size(animations));
  for (size_t i = 0; i < std::size(animations); ++i) {
    const TStyleNode& animation = background->Children[i];
    EXPECT_EQ(animation.ClassName, "TvgColorAnimation");
    EXPECT_EQ(animation.Property("PropertyName"), "Fill.Color");
    EXPECT_EQ(animation.Property("Duration"), "0.2");
    EXPECT_EQ(animation.Property("StartValue"), animations[i].Start);
    EXPECT_EQ(animation.Property("StopValue"), animations[i].Stop);
    EXPECT_EQ(animation.Property("Trigger"), animations[i].Trigger);
    EXPECT_EQ(animation.Property("TriggerInverse"), animations[i].Inverse);
  }

  const TStyleNode* text = button->FindResource("text");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->ClassName, "TvgText");
  EXPECT_EQ(text->Property("Align"), "vaClient");
}

// Visual parts are locked and let the pointer through to the control, but for the controls among them
// (thumbs, step buttons, close buttons, grips) that take it themselves; their animations and
// effects start on the states the controls report.
TEST_F(DefaultStyle, PartsAreLockedAndTransparentToThePointer) {
  const TStyleNode root = ReadDefaultStyleData();
  const std::set<std::string> triggers = {
      "IsMouseOver=true;IsPressed=false", "IsMouseOver=false;IsPressed=false", "IsPressed=true", "IsPressed=false",
      "IsFocused=true", "IsFocused=false", "IsMouseOver=true", "IsMouseOver=false", "IsChecked=true", "IsChecked=false",
      "IsExpanded=true", "IsExpanded=false", "IsSelected=true", "IsSelected=false",
      "IsMouseOver=true;IsSelected=false", "IsMouseOver=false;IsSelected=false", "IsDragOver=true",
      "IsDragOver=false"};
  for (const TStyleNode& style : root.Children) {
    std::vector<const TStyleNode*> pending = {&style};
    while (!pending.empty()) {
      const TStyleNode* node = pending.back();
      pending.pop_back();
      for (const TStyleNode& child : node->Children) pending.push_back(&child);
      SCOPED_TRACE(style.Property("ResourceName") + " " + node->ClassName + " " + node->Property("ResourceName"));
      TClass partClass = GetClass(node->ClassName);
      // Brush objects and other non-visual parts have no place to lock or to hit.
      const bool visual = !partClass || ClassDerivesFrom(partClass, "TvgVisualObject");
      if (node != &style && visual && !node->Property("ResourceName").empty()) {
        EXPECT_EQ(node->Property("Locked"), "True");
        if (!partClass || !ClassDerivesFrom(partClass, "TvgControl")) EXPECT_EQ(node->Property("HitTest"), "False");
      }
      for (const char* property : {"Trigger", "TriggerInverse"})
        if (!node->Property(property).empty()) EXPECT_TRUE(triggers.count(node->Property(property)));
    }
  }
}

TEST_F(DefaultStyle, LoadsWholeAsSceneObjects) {
  const TStyleNode data = ReadDefaultStyleData();
  std::set<std::string> classNames;
  CollectClassNames(data, classNames);
  ASSERT_EQ(Unregistered(classNames), "") << "classes not registered";

  TvgObject* style = vgLoadStyleResource("DEFAULTVGSTYLE");
  ASSERT_NE(style, nullptr);
  std::vector<TvgObject*> objects;
  style->AddObjectsToList(objects);
  // Parts that their owners make for themselves (the header's filler item) are not in the data.
  std::erase_if(objects, [](TvgObject* object) { return !object->Stored(); });
  EXPECT_EQ(int(objects.size()), CountNodes(data));
  EXPECT_EQ(style->ChildrenCount(), int(data.Children.size()));
  for (int i = 0; i < style->ChildrenCount(); ++i)
    if (style->Children(i)->IsVisual()) EXPECT_TRUE(style->Children(i)->Visual()->DesignHide());
  style->Free();
}

TEST_F(DefaultStyle, LoadedOnceUntilFreed) {
  TvgObject* first = vgDefaultStyle();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(vgDefaultStyle(), first);
  EXPECT_NE(first->FindResource("buttonstyle"), nullptr);
  vgFreeDefaultStyle();
  TvgObject* again = vgDefaultStyle();
  ASSERT_NE(again, nullptr);
  EXPECT_NE(again->FindResource("ButtonStyle"), nullptr);
  vgFreeDefaultStyle();
}

// The boxes of the engine find their viewport; a framed box sees its content inside the frame.
TEST_F(DefaultStyle, ScrollBoxesFindTheirViewport) {
  for (const char* className : {"TvgScrollBox", "TvgVertScrollBox", "TvgFramedScrollBox", "TvgFramedVertScrollBox"}) {
    SCOPED_TRACE(className);
    auto* box = static_cast<TvgScrollBox*>(FindClass(className)->Construct(nullptr));
    box->SetBounds(0, 0, 120, 80);
    box->ApplyResource();
    ASSERT_NE(box->Viewport(), nullptr);
    const bool framed = std::string(className).find("Framed") != std::string::npos;
    EXPECT_EQ(box->GetViewportRect(), framed ? (TvgRect{2, 2, 118, 78}) : (TvgRect{0, 0, 120, 80}));
    box->Free();
  }
}

TEST_F(DefaultStyle, MissingResourceGivesNoStyle) { EXPECT_EQ(vgLoadStyleResource("NOSUCHSTYLE"), nullptr); }

}  // namespace
