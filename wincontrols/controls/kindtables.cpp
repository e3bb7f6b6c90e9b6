#include <windows.h>
#include <commctrl.h>

#include "../objects/kindtable.h"
#include "operations.h"

// Click, Change, SelChange, GetCount, GetItemLength, GetItemText, GetItemData,
// SetItemData, AddItem, DeleteItem, InsertItem, GetCurIndex, SetCurIndex, AutoSizeExtraX,
// AutoSizeExtraY
const TKindTable ButtonKind = {BN_CLICKED, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 14, 6};
const TKindTable StaticKind = {STN_CLICKED, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1};
const TKindTable EditKind = {0, EN_CHANGE, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6};
const TKindTable ComboKind = {CBN_DBLCLK,
                              CBN_EDITCHANGE,
                              kDeferredSelChange,
                              CB_GETCOUNT,
                              CB_GETLBTEXTLEN,
                              CB_GETLBTEXT,
                              CB_GETITEMDATA,
                              CB_SETITEMDATA,
                              CB_ADDSTRING,
                              CB_DELETESTRING,
                              CB_INSERTSTRING,
                              CB_GETCURSEL,
                              CB_SETCURSEL,
                              0,
                              6};
const TKindTable TabKind = {0,
                            static_cast<int16_t>(TCN_SELCHANGE),
                            static_cast<int16_t>(TCN_SELCHANGE),
                            TCM_GETITEMCOUNT,
                            0,
                            0,
                            0,
                            0,
                            0,
                            0,
                            0,
                            TCM_GETCURSEL,
                            TCM_SETCURSEL,
                            0,
                            0};
