// The colour mode and the dark palette.
#include "palette.h"

TColorMode ColorMode;

namespace {

constexpr char kPersonalizeKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

// Windows 11's dark colours: the window's ground, the fields and lists, text, links, lines.
constexpr COLORREF kDarkGround = RGB(0x20, 0x20, 0x20);
constexpr COLORREF kDarkControl = RGB(0x2B, 0x2B, 0x2B);
constexpr COLORREF kDarkText = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kDarkLink = RGB(0x60, 0xCD, 0xFF);
constexpr COLORREF kDarkLine = RGB(0x96, 0x96, 0x96);    // lines as clear as text: 4.5:1 and more
constexpr COLORREF kDarkChosen = RGB(0x3F, 0x3F, 0x3F);  // a chosen item, a pressed button

bool HighContrast() {
  HIGHCONTRASTW scheme = {sizeof scheme, 0, nullptr};
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof scheme, &scheme, 0) &&
         (scheme.dwFlags & HCF_HIGHCONTRASTON);
}

// A DWORD 0 and nothing else: a value of another type or size is no mode at all.
bool AppsDark() {
  DWORD light = 1, size = sizeof light;
  return RegGetValueA(HKEY_CURRENT_USER, kPersonalizeKey, "AppsUseLightTheme", RRF_RT_REG_DWORD,
                      nullptr, &light, &size) == ERROR_SUCCESS &&
         light == 0;
}

}  // namespace

bool ReadColorMode() {
  TColorMode mode = HighContrast() ? kHighContrastMode : AppsDark() ? kDarkMode : kLightMode;
  bool changed = mode != ColorMode;
  ColorMode = mode;
  return changed;
}

COLORREF SystemColor(int index) {
  if (ColorMode == kDarkMode) {
    switch (index) {
      case COLOR_BTNFACE: return kDarkGround;
      case COLOR_WINDOW: return kDarkControl;
      case COLOR_BTNSHADOW: return kDarkLine;
      case COLOR_HIGHLIGHT: return kDarkChosen;
      case COLOR_HOTLIGHT:
      case kLinkColorIndex: return kDarkLink;
      default: return kDarkText;
    }
  }
  if (index == kLinkColorIndex)
    return ColorMode == kHighContrastMode ? GetSysColor(COLOR_HOTLIGHT) : RGB(0, 0, 0xFF);
  return GetSysColor(index);
}
