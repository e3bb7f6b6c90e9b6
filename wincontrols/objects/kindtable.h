#pragma once
// Per-kind notification codes and message numbers: one control operation serves every kind.
#include <cstdint>

class TControl;
typedef void (*TControlProc)(TControl* c);

struct TKindTable {
  uint16_t ClickCode;
  int16_t ChangeCode;
  int16_t SelChangeCode;
  uint16_t MsgGetCount;
  uint16_t MsgGetItemLength;
  uint16_t MsgGetItemText;
  uint16_t MsgGetItemData;
  uint16_t MsgSetItemData;
  uint16_t MsgAddItem;
  uint16_t MsgDeleteItem;
  uint16_t MsgInsertItem;
  uint16_t MsgGetCurIndex;
  uint16_t MsgSetCurIndex;
  uint16_t AutoSizeExtraX;  // what automatic sizing adds to the text, at 96 DPI
  uint16_t AutoSizeExtraY;
};

extern const TKindTable ButtonKind;
extern const TKindTable StaticKind;
extern const TKindTable EditKind;
extern const TKindTable ComboKind;
extern const TKindTable TabKind;
