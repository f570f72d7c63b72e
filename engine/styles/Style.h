#pragma once
// Where a control's style comes from. A control with a Resource looks for that name; one without
// looks for the style name of its class. The places, in order: the root of the scene's Style (a
// TvgResources), the default style (one large style tree stored in the program as the RCDATA
// resource "DEFAULTVGSTYLE", loaded on first need), and, for a Resource name only, the live
// stored objects. A class the default style has no style for takes its parent class's, one level
// up.
#include <string>

class TvgControl;
class TvgObject;

// The class name without its three-letter prefix, with "style" appended: TvgButton gives
// "Buttonstyle". Style names match without regard to case.
std::string vgStyleName(const std::string& className);

// A fresh clone of the style the control is to show, owned by the control, or nullptr.
TvgObject* vgFindStyleResource(TvgControl& control);

// The default style, loaded from the program's resource at the first call; nullptr when the
// resource is missing or unreadable (not tried again until vgFreeDefaultStyle).
TvgObject* vgDefaultStyle();
// Frees the default style; the toolkit's shut-down calls it.
void vgFreeDefaultStyle();
// A style tree read from the program's RCDATA resource of that name; nullptr when it is missing
// or is no readable scene object stream. The caller owns the tree.
TvgObject* vgLoadStyleResource(const std::string& resourceName);
