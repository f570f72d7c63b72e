#pragma once

// Registers the classes the tips form resources name, for streaming; safe to call again.
void RegisterTipsClasses();
