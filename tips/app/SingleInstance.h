#pragma once

// The tray mode's single-instance marker: a named mutex owned while the process runs.
// True when this call made the mutex (no other process holds one of that name); a failed
// creation counts as another instance. The handle is kept either way.
bool AcquireSingleInstance();
// Closes the handle if one is held.
void ReleaseSingleInstance();
