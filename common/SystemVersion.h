#pragma once

// True from Windows Vista on (major version above 5).
bool IsVistaOrLater();
