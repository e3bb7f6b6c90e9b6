// The kind table of each kind of control: its notification codes and message numbers. A field
// left out is 0: the kind has no such notification, and the operation does nothing.
#include <windows.h>
#include <commctrl.h>

#include "../objects/kindtable.h"
#include "operations.h"

// GCC 12 warns of every field that a designated initializer leaves out; here that is the
// point: a field left out is 0.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif

// BUTTON: push buttons, check boxes and group boxes.
// https://learn.microsoft.com/windows/win32/controls/buttons
const TKindTable ButtonKind = {
    .ClickCode = BN_CLICKED,
    .AutoSizeExtraX = 14,  // a push button's frame and margins around its caption
    .AutoSizeExtraY = 6,
};

// STATIC: labels and panels.
// https://learn.microsoft.com/windows/win32/controls/static-controls
const TKindTable StaticKind = {
    .ClickCode = STN_CLICKED,
    .AutoSizeExtraX = 1,
    .AutoSizeExtraY = 1,
};

// EDIT: a single-line field.
// https://learn.microsoft.com/windows/win32/controls/edit-controls
const TKindTable EditKind = {
    .ChangeCode = EN_CHANGE,
    .AutoSizeExtraY = 6,
};

// COMBOBOX: a list with an edit field or a drop-down list alone.
// https://learn.microsoft.com/windows/win32/controls/combo-boxes
const TKindTable ComboKind = {
    .ClickCode = CBN_DBLCLK,
    .ChangeCode = CBN_EDITCHANGE,
    .SelChangeCode = kDeferredSelChange,  // posted after CBN_SELCHANGE (combobox.cpp)
    .MsgGetCount = CB_GETCOUNT,
    .MsgGetItemLength = CB_GETLBTEXTLEN,
    .MsgGetItemText = CB_GETLBTEXT,
    .MsgGetItemData = CB_GETITEMDATA,
    .MsgSetItemData = CB_SETITEMDATA,
    .MsgAddItem = CB_ADDSTRING,
    .MsgDeleteItem = CB_DELETESTRING,
    .MsgInsertItem = CB_INSERTSTRING,
    .MsgGetCurIndex = CB_GETCURSEL,
    .MsgSetCurIndex = CB_SETCURSEL,
    .AutoSizeExtraY = 6,
};

// SysTabControl32: the tabs above the pages; its notifications come as WM_NOTIFY.
// https://learn.microsoft.com/windows/win32/controls/tab-controls
const TKindTable TabKind = {
    .ChangeCode = static_cast<int16_t>(TCN_SELCHANGE),
    .SelChangeCode = static_cast<int16_t>(TCN_SELCHANGE),
    .MsgGetCount = TCM_GETITEMCOUNT,
    .MsgGetCurIndex = TCM_GETCURSEL,
    .MsgSetCurIndex = TCM_SETCURSEL,
};
