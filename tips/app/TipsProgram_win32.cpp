#include "tips/app/TipsProgram.h"

#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Application.h"
#include "tips/app/ProgramStarts.h"
#include "tips/app/SingleInstance.h"
#include "tips/app/TipsClasses.h"
#include "tips/app/TipsRegistry.h"
#include "common/RegistryRoutines.h"
#include "tips/app/untPopup.h"
#include "tips/app/untTips.h"

namespace {

std::string ExeFileName() {
  const std::string path = OwnExePath();
  return path.substr(path.find_last_of("\\:") + 1);
}

void RunLoginMode() {
  Application->Initialize();
  Application->SetTitle(kLoginTitle);
  Application->CreateForm<TfrmTips>();
  Application->Run();
}

// The window stays hidden until the first pop-up.
void RunTrayMode() {
  Application->Initialize();
  Application->SetTitle(kTrayTitle);
  Application->CreateForm<TfrmPopup>();
  Application->SetShowMainForm(false);
  Application->Run();
  ReleaseSingleInstance();
}

}  // namespace

bool HasTrayModeSwitch(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments)
    if (argument.size() > 1 && std::string("-/\\").find(argument[0]) != std::string::npos &&
        SameText(argument.substr(1), "auto"))
      return true;
  return false;
}

int RunTips(const std::vector<std::string>& arguments) {
  WriteRegInteger(0, ExeFileName(), kBrowserEmulationKey, HKEY_CURRENT_USER);
  RegisterTipsClasses();
  if (!HasTrayModeSwitch(arguments)) RunLoginMode();
  else if (AcquireSingleInstance()) RunTrayMode();
  return 0;
}
