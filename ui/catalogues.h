// Lists that come from the system or fixed tables: key names, skins, tray actions, devices.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "../runtime/list.h"
#include "../wincontrols/objects/text.h"
#include "../wincontrols/objects/widetext.h"
#include "texts.h"

class TFormRecord;

// Stored by its file name as the ANSI functions give it; shown by its own strings.
struct TSkin {
  TText FileName;
  TWideText String1;
  TWideText String2;
};

// Entry i stands for item i + 1 of each hotkey key list (item 0 is "Нет").
extern TList<uint16_t> KeyCodeList;
// Entry i stands for item i of SkinCombo.
extern TList<TSkin> SkinList;
// Entry i is the stored name of the device of item i + 1 of DeviceCombo.
extern TList<TText> DeviceNameList;

// The codes whose keys the key lists offer, where the layout names them, in code order:
// Backspace and Tab, Enter, and Caps Lock to Scroll Lock. The bench's baseline lists the same.
struct TKeyRange {
  uint16_t first, last;
};
constexpr TKeyRange kKeyRanges[] = {
    {VK_BACK, VK_TAB}, {VK_RETURN, VK_RETURN}, {VK_CAPITAL, VK_SCROLL}};
// Then the keyboard's volume and media keys, in code order (Volume Mute, Down and Up, Next and
// Previous Track, Stop, Play/Pause), whatever the layout says: it names them rarely and each in
// its own way, so they carry the program's own names.
constexpr TKeyRange kMediaKeys = {VK_VOLUME_MUTE, VK_MEDIA_PLAY_PAUSE};
constexpr size_t kMediaKeyNameSize =
    std::max({sizeof TXT_KeyVolumeMute, sizeof TXT_KeyVolumeDown, sizeof TXT_KeyVolumeUp,
              sizeof TXT_KeyNextTrack, sizeof TXT_KeyPrevTrack, sizeof TXT_KeyStop,
              sizeof TXT_KeyPlayPause});
constexpr char kMediaKeyNames[kMediaKeys.last - kMediaKeys.first + 1][kMediaKeyNameSize] = {
    TXT_KeyVolumeMute, TXT_KeyVolumeDown, TXT_KeyVolumeUp, TXT_KeyNextTrack,
    TXT_KeyPrevTrack,  TXT_KeyStop,       TXT_KeyPlayPause};

// The key's name as the keyboard layout gives it, in its own characters (also read by the
// tests).
TWideText KeyName(uint32_t code);
// The key as a list shows it: a volume or media key by the program's name for it, another by
// the layout's name, or by its code where the layout names it not.
TWideText KeyTitle(uint32_t code);
// Every named key of kKeyRanges, then the keys of kMediaKeys, into the key code list and the
// three key lists.
void AddAllKeys(TFormRecord* r);
void EnumerateSkins(const TText& folder);
// The skin list's entry of the file that name opens: file names ignore letter case. -1 when
// there is none.
int SkinIndexOfName(const TText& name);
void AddSkinItems(TFormRecord* r);
void AddTrayActions(TFormRecord* r);
uint32_t MixerDeviceCount();
// The name the tray program compares: the ANSI function's, in the system's code page.
TText MixerDeviceName(uint32_t id);
// The same name in its own characters, as it is shown.
TWideText MixerDeviceTitle(uint32_t id);
// Two strings of a skin file, read as data: the file's code never runs (also called by the
// tests).
void ReadSkinStrings(const TText& path, TSkin& skin);

// Operations of the catalogues that only this file calls today.
// The named keys of the codes first..last into the key code list and the three key lists.
void AddKeyRange(TFormRecord* r, uint32_t first, uint32_t last);
