// One string value under an open registry key; 0 stands for no key.
#pragma once
#include <windows.h>

#include "../objects/text.h"

HKEY OpenKeyForRead(HKEY root, const char* path);
HKEY OpenKeyForWrite(HKEY root, const char* path);
TText ReadRegString(HKEY key, const char* name);
bool WriteRegString(HKEY key, const char* name, const TText& text);
bool DeleteRegValue(HKEY key, const char* name);
void CloseRegKey(HKEY key);
