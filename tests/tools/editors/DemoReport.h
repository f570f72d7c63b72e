#pragma once
// What the editors' demo programs tell their scripts on standard output, a line at a time:
//   at NAME LEFT TOP WIDTH HEIGHT   the screen rect of a named scene object of the form (or
//                                   "hidden"), at the start and whenever it changes
// and whatever else each demo notes with Log.
#include <cstdio>
#include <map>
#include <string>

#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Form.h"
#include "engine/scene/SceneInterface.h"
#include "engine/tree/VisualObject.h"

inline void Log(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

class TDemoPlacements {
public:
  void Report(TCustomForm& form) {
    for (int i = 0; i < form.ComponentCount(); ++i)
      if (auto* object = dynamic_cast<TvgVisualObject*>(form.Components(i)); object && !object->Name().empty())
        Report(object->Name(), object);
  }
  void Report(const std::string& name, TvgVisualObject* object) {
    std::string rect = "hidden";
    if (object && object->Scene() && object->Visible() && object->CheckParentVisible()) {
      const TvgRect r = object->GetAbsoluteRect();
      const TvgPoint topLeft = object->Scene()->LocalToScreen({r.Left, r.Top});
      const TvgPoint bottomRight = object->Scene()->LocalToScreen({r.Right, r.Bottom});
      rect = Format("%d %d %d %d", int(Round(topLeft.X)), int(Round(topLeft.Y)),
                    int(Round(bottomRight.X - topLeft.X)), int(Round(bottomRight.Y - topLeft.Y)));
    }
    std::string& last = last_[name];
    if (last == rect) return;
    last = rect;
    Log("at " + name + " " + rect);
  }

private:
  std::map<std::string, std::string> last_;
};
