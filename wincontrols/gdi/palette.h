// The colours that follow the system: light, dark (the apps' colour mode of Windows 10 and
// later) or a high-contrast scheme. The mode is decided here, in one place, and ColorToRGB
// (color.h) asks it for every system colour the program paints with.
#pragma once
#include <windows.h>

#include "../objects/control.h"

enum TColorMode : BYTE { kLightMode, kDarkMode, kHighContrastMode };
extern TColorMode ColorMode;

// The links' colour: pure blue on a light window, the scheme's colour for links in high
// contrast (blue on black is hard to read), a light blue on a dark window.
constexpr int kLinkColorIndex = 0xFF;  // beyond the system's colour indexes
constexpr COLORREF kClrLink = kSystemColor | kLinkColorIndex;

// Reads the mode from the system again: a high-contrast scheme first, whatever the apps'
// mode says, then Windows' "AppsUseLightTheme" (absent before Windows 10: light). True when
// it changed.
bool ReadColorMode();

// The colour of a system colour index (or kLinkColorIndex) in the current mode.
COLORREF SystemColor(int index);
