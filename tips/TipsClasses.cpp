#include "tips/TipsClasses.h"

#include "tips/EmbeddedWB.h"
#include "tips/HtmlListener.h"
#include "tips/TrayIcon.h"

void RegisterTipsClasses() {
  RegisterClasses({TEmbeddedWB::StaticClass(), THtmlListener::StaticClass(), TTrayIcon::StaticClass()});
}
