#pragma once

// Gives the application's window the tool-window and topmost styles (hide true), so that the
// program shows no taskbar button, or the style it had when first asked (hide false).
void HideFromTaskbar(bool hide);
