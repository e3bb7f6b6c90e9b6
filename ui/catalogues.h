#pragma once
// Lists that come from the system or fixed tables: key names, skins, tray actions, devices.
#include <cstdint>
#include "../runtime/list.h"
#include "../wincontrols/objects/text.h"

class TFormRecord;

struct TSkin {
  TText FileName;
  TText String1;
  TText String2;
};

// Entry i stands for item i + 1 of each hotkey key list (item 0 is "Нет").
extern TList<uint16_t> KeyCodeList;
// Entry i stands for item i of SkinCombo.
extern TList<TSkin> SkinList;

constexpr int kTrayActionCount = 5;
extern const char TrayActionNames[kTrayActionCount][24];

TText KeyName(uint32_t code);
void AddKeyRange(TFormRecord* r, uint32_t first, uint32_t last);
void AddAllKeys(TFormRecord* r);
void EnumerateSkins(const TText& folder);
void AddSkinItems(TFormRecord* r);
void AddTrayActions(TFormRecord* r);
uint32_t MixerDeviceCount();
TText MixerDeviceName(uint32_t id);
// Two strings of a skin file, read as data: the file's code never runs.
void ReadSkinStrings(const TText& path, TSkin& skin);
