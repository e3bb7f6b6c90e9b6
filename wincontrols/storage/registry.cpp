// One string value under an open registry key.
#include "registry.h"

static HKEY OpenKey(HKEY root, const char* path, REGSAM access) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path ? path : "", 0, access, &key) != ERROR_SUCCESS) return nullptr;
  return key;
}

HKEY OpenKeyForRead(HKEY root, const char* path) { return OpenKey(root, path, KEY_READ); }

// The key is opened, never created.
HKEY OpenKeyForWrite(HKEY root, const char* path) {
  return OpenKey(root, path, KEY_READ | KEY_WRITE);
}

TText ReadRegString(HKEY key, const char* name) {
  if (!key) return TText();
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key, name ? name : "", nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return TText();
  TText data;
  data.resize(static_cast<size_t>(size) + 1);  // zero-filled
  DWORD room = size;
  if (RegQueryValueExA(key, name ? name : "", nullptr, &type, reinterpret_cast<BYTE*>(&data[0]),
                       &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return TText();
  if (size > room) size = room;
  // Up to the first NUL, never beyond the data.
  DWORD n = 0;
  while (n < size && data[n]) ++n;
  data.resize(n);
  return data;
}

bool WriteRegString(HKEY key, const char* name, const TText& text) {
  if (!key) return false;
  return RegSetValueExA(key, name ? name : "", 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>(text.size()) + 1) == ERROR_SUCCESS;
}

bool DeleteRegValue(HKEY key, const char* name) {
  if (!key) return false;
  return RegDeleteValueA(key, name ? name : "") == ERROR_SUCCESS;
}

void CloseRegKey(HKEY key) {
  if (key) RegCloseKey(key);
}
