// A top-level window that follows the system's colour mode while it is open.
#include "colormode.h"

#include "../../runtime/library.h"
#include "../gdi/palette.h"

namespace {

// DWMWA_USE_IMMERSIVE_DARK_MODE: 20, and 19 on Windows 10 before build 19041. Windows 7 and 8
// know neither and refuse; dwmapi comes in only when a dark frame is asked for.
constexpr DWORD kDarkFrameAttributes[] = {20, 19};

void MatchFrame(HWND window) {
  typedef HRESULT(WINAPI * TSetAttribute)(HWND, DWORD, LPCVOID, DWORD);
  auto set =
      LookUpFunction<TSetAttribute>(LoadSystemLibrary("dwmapi.dll"), "DwmSetWindowAttribute");
  BOOL dark = ColorMode == kDarkMode;
  for (DWORD attribute : kDarkFrameAttributes)
    if (set && SUCCEEDED(set(window, attribute, &dark, sizeof dark))) return;
}

// What Windows sends when the user switches the apps' mode ("ImmersiveColorSet") or a
// high-contrast scheme.
bool SchemeSwitched(const TMsg& msg) {
  if (msg.message == WM_SYSCOLORCHANGE) return true;
  if (msg.message != WM_SETTINGCHANGE) return false;
  if (msg.wParam == SPI_SETHIGHCONTRAST) return true;
  auto area = reinterpret_cast<const wchar_t*>(msg.lParam);
  return area && !lstrcmpW(area, L"ImmersiveColorSet");
}

}  // namespace

bool ColorModeHandler(TControl* form, TMsg& msg, LRESULT&) {
  if (msg.message == WM_CREATE) {
    if (ColorMode == kDarkMode) MatchFrame(msg.hwnd);
  } else if (SchemeSwitched(msg)) {
    if (ReadColorMode()) MatchFrame(form->fHandle);
    // Every control repaints, also where only the system's colours changed.
    RedrawWindow(form->fHandle, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  return false;
}
