// What a screen reader reads of the settings window, through Microsoft Active Accessibility
// (the client side of WM_GETOBJECT), as NVDA or JAWS would ask it.
//
//   msaa      one line per child window of the window, in UTF-8: id, class, name, role (hex),
//             keyboard shortcut, value, the class and text of the window just before it in
//             z-order, and 1 for a tab stop
// Exit code 0 on success, 1 when the window is missing.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <string>

namespace {

const char kCaption[] = "Vorduna: Настройки";
// Not the libraries' IID_IAccessible: the 64-bit import library of oleacc gives a jump thunk
// under that name, and every request then fails with E_NOINTERFACE.
const IID kIidAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

std::string Utf8(const wchar_t* text) {
  char buf[1024] = "";
  if (text) WideCharToMultiByte(CP_UTF8, 0, text, -1, buf, sizeof buf, nullptr, nullptr);
  return buf;
}

std::string Take(BSTR text) {
  std::string s = Utf8(text);
  SysFreeString(text);
  return s;
}

std::string WindowText(HWND w) {
  wchar_t text[256] = L"";
  SendMessageW(w, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  return Utf8(text);
}

BOOL CALLBACK PrintOne(HWND w, LPARAM) {
  char cls[64] = "", before[64] = "";
  GetClassNameA(w, cls, sizeof cls);
  HWND prev = GetWindow(w, GW_HWNDPREV);
  if (prev) GetClassNameA(prev, before, sizeof before);
  std::string name, shortcut, value;
  long role = 0;
  IAccessible* acc = nullptr;
  HRESULT hr =
      AccessibleObjectFromWindow(w, OBJID_CLIENT, kIidAccessible, reinterpret_cast<void**>(&acc));
  if (FAILED(hr))
    fprintf(stderr, "msaa: %d: %08lx\n", GetDlgCtrlID(w), static_cast<unsigned long>(hr));
  if (SUCCEEDED(hr)) {
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (acc->get_accName(self, &text) == S_OK) name = Take(text);
    if (acc->get_accKeyboardShortcut(self, &text) == S_OK) shortcut = Take(text);
    if (acc->get_accValue(self, &text) == S_OK) value = Take(text);
    VARIANT r;
    VariantInit(&r);
    if (acc->get_accRole(self, &r) == S_OK && r.vt == VT_I4) role = r.lVal;
    acc->Release();
  }
  printf("%d\t%s\t%s\t%lx\t%s\t%s\t%s\t%s\t%d\n", GetDlgCtrlID(w), cls, name.c_str(), role,
         shortcut.c_str(), value.c_str(), before, prev ? WindowText(prev).c_str() : "",
         (GetWindowLongA(w, GWL_STYLE) & WS_TABSTOP) ? 1 : 0);
  return TRUE;
}

}  // namespace

int main() {
  wchar_t caption[64] = L"";
  MultiByteToWideChar(1251, 0, kCaption, -1, caption, 64);
  HWND form = FindWindowW(L"obj_Form", caption);
  if (!form) return 1;
  CoInitialize(nullptr);
  EnumChildWindows(form, PrintOne, 0);
  CoUninitialize();
  return 0;
}
