// The catalogues: key names, skins, tray actions and mixer devices, and the lists behind them.
#include "catalogues.h"

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>

#include "../wincontrols/controls/operations.h"
#include "../wincontrols/storage/convert.h"
#include "formrecord.h"
#include "skinfile.h"
#include "texts.h"

TList<uint16_t> KeyCodeList;
TList<TSkin> SkinList;
TList<TText> DeviceNameList;

namespace {
constexpr int kTrayActionCount = 5;
// Each name as long as the longest of them with its zero (a longer one added to the list and
// not here does not compile).
constexpr size_t kTrayActionNameSize =
    std::max({sizeof TXT_ActionNone, sizeof TXT_ActionVolumeControl, sizeof TXT_ActionMixer,
              sizeof TXT_ActionMute, sizeof TXT_ActionSettings});
const char TrayActionNames[kTrayActionCount][kTrayActionNameSize] = {
    TXT_ActionNone, TXT_ActionVolumeControl, TXT_ActionMixer, TXT_ActionMute, TXT_ActionSettings};

bool IsMediaKey(uint32_t code) { return code >= kMediaKeys.first && code <= kMediaKeys.last; }

constexpr LPARAM kExtendedKey = 0x1000000;

// A key into the key code list and the three key lists.
void AddKey(TFormRecord* r, uint32_t code, const TWideText& name) {
  KeyCodeList.push_back(static_cast<uint16_t>(code));
  AddItem(r->UpKeyCombo, name);
  AddItem(r->DownKeyCombo, name);
  AddItem(r->MuteKeyCombo, name);
}

bool IsNavigationKey(uint32_t code) {
  return (code >= VK_PRIOR && code <= VK_DOWN) || code == VK_INSERT || code == VK_DELETE;
}

}  // namespace

TWideText KeyName(uint32_t code) {
  LPARAM request = static_cast<LPARAM>(MapVirtualKeyA(code, MAPVK_VK_TO_VSC)) << 16;
  // With the extended flag the navigation keys are named, not their keypad twins.
  if (IsNavigationKey(code)) request |= kExtendedKey;
  if (!request) return TWideText();
  wchar_t name[256];
  int n = GetKeyNameTextW(static_cast<LONG>(request), name, 256);
  return TWideText(name, n > 0 ? static_cast<size_t>(n) : 0);
}

TWideText KeyTitle(uint32_t code) {
  if (IsMediaKey(code)) return ProgramText(kMediaKeyNames[code - kMediaKeys.first]);
  TWideText name = KeyName(code);
  return name.empty() ? ProgramText(TXT_KeyCode + IntToText(static_cast<int32_t>(code))) : name;
}

void AddKeyRange(TFormRecord* r, uint32_t first, uint32_t last) {
  for (uint32_t code = first; code <= last; ++code) {
    TWideText name = KeyName(code);
    if (!name.empty()) AddKey(r, code, name);
  }
}

void AddAllKeys(TFormRecord* r) {
  for (const TKeyRange& range : kKeyRanges) AddKeyRange(r, range.first, range.last);
  for (uint32_t code = kMediaKeys.first; code <= kMediaKeys.last; ++code)
    AddKey(r, code, KeyTitle(code));
}

void ReadSkinStrings(const TText& path, TSkin& skin) {
  static const uint16_t kIds[] = {1, 2};
  TWideText strings[2];
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

int SkinIndexOfName(const TText& name) {
  for (size_t i = 0; i < SkinList.size(); ++i)
    if (lstrcmpiA(SkinList[i].FileName.c_str(), name.c_str()) == 0) return static_cast<int>(i);
  return -1;
}

void AddSkinItems(TFormRecord* r) {
  for (const TSkin& skin : SkinList)
    AddItem(r->SkinCombo, skin.String1 + ProgramText(" (") + skin.String2 + ProgramText(")"));
}

void AddTrayActions(TFormRecord* r) {
  for (const char* name : TrayActionNames) {
    TWideText item = ProgramText(name);
    AddItem(r->ClickCombo, item);
    AddItem(r->DClickCombo, item);
    AddItem(r->MClickCombo, item);
  }
}

uint32_t MixerDeviceCount() { return mixerGetNumDevs(); }

// A device whose capabilities cannot be read has an empty name.
TText MixerDeviceName(uint32_t id) {
  MIXERCAPSA caps = {};
  mixerGetDevCapsA(id & 0xFFFF, &caps, sizeof caps);
  caps.szPname[MAXPNAMELEN - 1] = 0;
  return caps.szPname;
}

TWideText MixerDeviceTitle(uint32_t id) {
  MIXERCAPSW caps = {};
  mixerGetDevCapsW(id & 0xFFFF, &caps, sizeof caps);
  caps.szPname[MAXPNAMELEN - 1] = 0;
  return WideOf(caps.szPname);
}
