#include "catalogues.h"

#include <windows.h>
#include <mmsystem.h>

#include "../wincontrols/controls/operations.h"
#include "formrecord.h"
#include "skinfile.h"

TList<uint16_t> KeyCodeList;
TList<TSkin> SkinList;

const char TrayActionNames[kTrayActionCount][24] = {
    "Нет", "Стандартный регулятор*", "Стандартный микшер", "Выкл. / вкл. звук", "Настройки"};

namespace {
constexpr LPARAM kExtendedKey = 0x1000000;

bool IsNavigationKey(uint32_t code) {
  return (code >= VK_PRIOR && code <= VK_DOWN) || code == VK_INSERT || code == VK_DELETE;
}

}  // namespace

TText KeyName(uint32_t code) {
  LPARAM request = static_cast<LPARAM>(MapVirtualKeyA(code, MAPVK_VK_TO_VSC)) << 16;
  // With the extended flag the navigation keys are named, not their keypad twins.
  if (IsNavigationKey(code)) request |= kExtendedKey;
  if (!request) return TText();
  char name[256] = {};
  int n = GetKeyNameTextA(static_cast<LONG>(request), name, sizeof name);
  return n > 0 ? TText(name) : TText();
}

void AddKeyRange(TFormRecord* r, uint32_t first, uint32_t last) {
  for (uint32_t code = first; code <= last; ++code) {
    TText name = KeyName(code);
    if (name.empty()) continue;
    KeyCodeList.push_back(static_cast<uint16_t>(code));
    AddItem(r->UpKeyCombo, name);
    AddItem(r->DownKeyCombo, name);
    AddItem(r->MuteKeyCombo, name);
  }
}

void AddAllKeys(TFormRecord* r) {
  AddKeyRange(r, VK_BACK, VK_TAB);
  AddKeyRange(r, VK_RETURN, VK_RETURN);
  AddKeyRange(r, VK_CAPITAL, VK_SCROLL);
}

void ReadSkinStrings(const TText& path, TSkin& skin) {
  static const uint16_t kIds[] = {1, 2};
  TText strings[2];
  ReadStringResources(path.c_str(), kIds, 2, strings);
  skin.String1 = strings[0];
  skin.String2 = strings[1];
}

void EnumerateSkins(const TText& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "Skins\\*.vsk").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  // A file that will not load still gets its entry, with empty strings.
  UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  do {
    SkinList.push_back(TSkin());
    TSkin& skin = SkinList.back();
    skin.FileName = found.cFileName;
    ReadSkinStrings(folder + "Skins\\" + skin.FileName, skin);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  SetErrorMode(oldMode);
}

void AddSkinItems(TFormRecord* r) {
  for (const TSkin& skin : SkinList)
    AddItem(r->SkinCombo, skin.String1 + " (" + skin.String2 + ")");
}

void AddTrayActions(TFormRecord* r) {
  for (const char* name : TrayActionNames) {
    AddItem(r->ClickCombo, name);
    AddItem(r->DClickCombo, name);
    AddItem(r->MClickCombo, name);
  }
}

uint32_t MixerDeviceCount() { return mixerGetNumDevs(); }

TText MixerDeviceName(uint32_t id) {
  MIXERCAPSA caps = {};  // a device whose capabilities cannot be read has an empty name
  mixerGetDevCapsA(id & 0xFFFF, &caps, sizeof caps);
  caps.szPname[MAXPNAMELEN - 1] = 0;
  return caps.szPname;
}
