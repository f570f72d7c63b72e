// path_designer_demo PATH_TEXT: the path designer shown modally on a path made from PATH_TEXT.
// Besides the placements of its named objects it prints:
//   preview DATA        the preview's path, whenever it changes
//   ended OK|Cancel     the designer closed so
//   path DATA           the edited path after that
//   ready               the designer shows
#include <string>

#include "classlib/desktop/Application.h"
#include "classlib/desktop/Timer.h"
#include "controls/editors/PathDataDesigner.h"
#include "engine/paint/PathData.h"
#include "engine/shapes/Path.h"
#include "tests/tools/editors/DemoReport.h"
#include "toolkit/Toolkit.h"

int main(int argc, char** argv) try {
  if (argc != 2) {
    Log("usage: path_designer_demo PATH_TEXT");
    return 2;
  }
  TvgToolkit toolkit;
  Application->Initialize();
  Application->SetTitle("Path designer demo");
  TvgPathData path;
  path.SetData(argv[1]);
  auto* designer = TCustomForm::Create<TvgPathDataDesigner>(nullptr);
  TDemoPlacements placements;
  std::string lastPreview = "?";
  bool ready = false;
  // The preview is watched as it changes, so that each typed character's redraw is seen; the
  // path's own handler (its repaint) still runs.
  TvgPathData* preview = designer->Preview()->Data();
  preview->OnChange = [&, repaint = preview->OnChange](TObject* sender) {
    repaint(sender);
    const std::string shown = designer->Preview()->Data()->Data();
    if (shown != lastPreview) Log("preview " + (lastPreview = shown));
  };
  TTimer watch(nullptr);
  watch.SetInterval(100);
  watch.SetOnTimer([&](TObject*) {
    if (!designer->Visible()) return;
    placements.Report(*designer);
    if (!ready) Log("ready");
    ready = true;
  });
  watch.SetEnabled(true);
  const bool ok = designer->Execute(path);
  watch.SetEnabled(false);
  Log(std::string("ended ") + (ok ? "OK" : "Cancel"));
  Log("path " + path.Data());
  designer->Free();
  return 0;
} catch (const std::exception& e) {
  Log(std::string("failed: ") + e.what());
  return 1;
}
