#include <windows.h>
#include <commctrl.h>

#include "../objects/kindtable.h"
#include "operations.h"

namespace {
void ResetCombo(TControl* c) { Perform(c, CB_RESETCONTENT, 0, 0); }
}  // namespace

// ClearProc, Click, FocusIn, FocusOut, Change, SelChange, GetCount, GetItemLength, GetItemText,
// SetItemText, GetItemData, SetItemData, AddItem, DeleteItem, InsertItem, ItemIndex,
// ItemFromChar, GetSel, GetCurIndex, SetCurIndex, SetSel, AutoSizeExtraX, AutoSizeExtraY
const TKindTable ButtonKind = {ClearText, BN_CLICKED, BN_SETFOCUS, BN_KILLFOCUS, 0, 0,
                               0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 14, 6};
const TKindTable StaticKind = {ClearText, STN_CLICKED, 0, 0, 0, 0,
                               0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1};
const TKindTable EditKind = {ClearText, 0, EN_SETFOCUS, EN_KILLFOCUS, EN_CHANGE, 0,
                             EM_GETLINECOUNT, EM_LINELENGTH, EM_GETLINE, EM_REPLACESEL, 0, 0,
                             0, 0, 0, EM_LINEINDEX, EM_LINEFROMCHAR, EM_GETSEL, EM_LINEINDEX, 0,
                             EM_SETSEL, 0, 6};
const TKindTable ComboKind = {ResetCombo, CBN_DBLCLK, CBN_SETFOCUS, CBN_KILLFOCUS,
                              CBN_EDITCHANGE, kDeferredSelChange, CB_GETCOUNT, CB_GETLBTEXTLEN,
                              CB_GETLBTEXT, 0, CB_GETITEMDATA, CB_SETITEMDATA, CB_ADDSTRING,
                              CB_DELETESTRING, CB_INSERTSTRING, 0, 0, 0, CB_GETCURSEL,
                              CB_SETCURSEL, 0, 0, 6};
const TKindTable TabKind = {ClearText, 0, 0, 0, static_cast<int16_t>(TCN_SELCHANGE),
                            static_cast<int16_t>(TCN_SELCHANGE), TCM_GETITEMCOUNT, 0, 0, 0, 0,
                            0, 0, 0, 0, 0, 0, 0, TCM_GETCURSEL, TCM_SETCURSEL, 0, 0, 0};
