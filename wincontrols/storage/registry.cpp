#include "registry.h"

#include <vector>

static HKEY OpenKey(HKEY root, const char* path, REGSAM access) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path ? path : "", 0, access, &key) != ERROR_SUCCESS) return nullptr;
  return key;
}

HKEY OpenKeyForRead(HKEY root, const char* path) { return OpenKey(root, path, KEY_READ); }

// KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY; the key is opened, never created.
HKEY OpenKeyForWrite(HKEY root, const char* path) { return OpenKey(root, path, 0x2001F); }

TText ReadRegString(HKEY key, const char* name) {
  if (!key) return TText();
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key, name ? name : "", nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return TText();
  std::vector<char> data(size + 1, '\0');
  if (RegQueryValueExA(key, name ? name : "", nullptr, &type,
                       reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return TText();
  if (size > data.size() - 1) size = static_cast<DWORD>(data.size() - 1);
  // Up to the first NUL, never beyond the data.
  return TText(data.data(), strnlen(data.data(), size));
}

bool WriteRegString(HKEY key, const char* name, const TText& text) {
  if (!key) return false;
  return RegSetValueExA(key, name ? name : "", 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

bool DeleteRegValue(HKEY key, const char* name) {
  if (!key) return false;
  return RegDeleteValueA(key, name ? name : "") == ERROR_SUCCESS;
}

void CloseRegKey(HKEY key) {
  if (key) RegCloseKey(key);
}
