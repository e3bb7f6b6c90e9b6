// Per-kind notification codes and message numbers: one control operation serves every kind.
#pragma once
#include <cstdint>

class TControl;
typedef void (*TControlProc)(TControl* c);

// What one kind of control answers to (the tables: wincontrols/controls/kindtables.cpp). A
// field that is 0 means the kind has no such notification or message: the operation that
// needs it does nothing and answers its stated default.
struct TKindTable {
  // Notification codes (the high word of a reflected WM_COMMAND, or a WM_NOTIFY code) that
  // fire fOnClick, fOnChange and fOnSelChange.
  uint16_t ClickCode;
  int16_t ChangeCode;
  int16_t SelChangeCode;
  // The messages of the list operations (operations.cpp).
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
  // What automatic sizing adds to the text's extent, in pixels at 96 DPI.
  uint16_t AutoSizeExtraX;
  uint16_t AutoSizeExtraY;
};

extern const TKindTable ButtonKind;
extern const TKindTable StaticKind;
extern const TKindTable EditKind;
extern const TKindTable ComboKind;
extern const TKindTable TabKind;
