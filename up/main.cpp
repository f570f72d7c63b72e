// up: checks the update service for a newer kest.exe; when there is one, shows the update message
// window until the user has chosen. Ends with exit code 0.
#include "classlib/desktop/Win32.h"

#include "classlib/desktop/Application.h"
#include "toolkit/Toolkit.h"
#include "common/DeployConfig.h"
#include "up/UpdateCheck.h"
#include "up/untMsg.h"

#include <utility>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TvgToolkit toolkit;
  TUpdateDecision decision = CheckForUpdate();
  if (decision.Due) {
    InstallerAddress = std::move(decision.InstallerAddress);
    UpdateNotes = std::move(decision.Notes);
    InstallerTimeouts = DownloadTimeouts(DeployConfig());
    Application->Initialize();
    Application->CreateForm<TfrmMsg>();
    Application->Run();
  }
  return 0;
}
