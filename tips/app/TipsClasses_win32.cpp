#include "tips/app/TipsClasses.h"

#include "tips/browser/EmbeddedWB.h"
#include "tips/browser/HtmlListener.h"
#include "tips/app/TrayIcon.h"

void RegisterTipsClasses() {
  RegisterClasses({TEmbeddedWB::StaticClass(), THtmlListener::StaticClass(), TTrayIcon::StaticClass()});
}
