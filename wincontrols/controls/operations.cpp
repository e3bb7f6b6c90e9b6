// Operations on controls, one set for every kind through the kind table, and the handler that
// turns a child's reflected notifications into its events.
#include "operations.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "../dispatch/dispatch.h"
#include "../dispatch/globals.h"
#include "../gdi/color.h"
#include "../gdi/drawcontext.h"
#include "../gdi/gditool.h"
#include "navigation.h"

namespace {

LPARAM TextParam(const TWideText& text) { return reinterpret_cast<LPARAM>(text.c_str()); }

void Fire(TControl* c, const TNotifyEvent& ev) {
  if (ev.IsSet()) ev.code(ev.data, c);
}

}  // namespace

int ItemCount(TControl* c) {
  if (!c->fKind.MsgGetCount) return 0;
  return static_cast<int>(Perform(c, c->fKind.MsgGetCount, 0, 0));
}

TText GetItemText(TControl* c, int index) {
  const TKindTable& k = c->fKind;
  if (!k.MsgGetItemLength) return TText();
  int length = static_cast<int>(Perform(c, k.MsgGetItemLength, index, 0));
  if (length <= 0) return TText();
  TWideText item;
  const wchar_t* text = item.Room(static_cast<size_t>(length));
  Perform(c, k.MsgGetItemText, index, reinterpret_cast<LPARAM>(text));
  return ToProgramText(text, lstrlenW(text));
}

void SetItemText(TControl* c, int index, const TWideText& text) {
  const TKindTable& k = c->fKind;
  if (k.MsgDeleteItem) {
    int current = GetCurIndex(c);
    LPARAM data = GetItemData(c, index);
    DeleteItem(c, index);
    InsertItem(c, index, text);
    SetCurIndex(c, current);
    SetItemData(c, index, data);
  }
}

int AddItem(TControl* c, const TWideText& text) {
  if (c->fKind.MsgAddItem) {
    int result = static_cast<int>(Perform(c, c->fKind.MsgAddItem, 0, TextParam(text)));
    if (ItemCount(c) == 1) SelectItem(c, 0);  // the first item of an empty list is current
    return result;
  }
  SetText(c, GetText(c) + ToProgramText(text));
  return 0;
}

int InsertItem(TControl* c, int index, const TWideText& text) {
  if (!c->fKind.MsgInsertItem) return -1;
  return static_cast<int>(Perform(c, c->fKind.MsgInsertItem, index, TextParam(text)));
}

void DeleteItem(TControl* c, int index) {
  if (c->fKind.MsgDeleteItem) Perform(c, c->fKind.MsgDeleteItem, index, 0);
}

LPARAM GetItemData(TControl* c, int index) {
  if (!c->fKind.MsgGetItemData) return 0;
  return Perform(c, c->fKind.MsgGetItemData, index, 0);
}

void SetItemData(TControl* c, int index, LPARAM value) {
  if (c->fKind.MsgSetItemData) Perform(c, c->fKind.MsgSetItemData, index, value);
}

int GetCurIndex(TControl* c) {
  UINT msg = c->fKind.MsgGetCurIndex;
  if (!msg) return c->fCurPage;
  return static_cast<int>(Perform(c, msg, 0, 0));
}

void SetCurIndex(TControl* c, int index) {
  UINT msg = c->fKind.MsgSetCurIndex;
  if (!msg) {
    SelectItem(c, index);
    return;
  }
  Perform(c, msg, index, 0);
  if (msg == TCM_SETCURSEL) {
    // TCM_SETCURSEL sends no notification: the page logic runs as for a click.
    NMHDR hdr = {};
    hdr.hwndFrom = c->fHandle;
    hdr.code = static_cast<UINT>(TCN_SELCHANGE);
    SendMessageW(c->fHandle, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&hdr));
  }
}

void SelectItem(TControl* c, int index) {
  if (c->fKind.MsgSetCurIndex) {
    Perform(c, c->fKind.MsgSetCurIndex, index, 0);
  } else {
    c->fCurPage = index;
    Invalidate(c);
  }
}

bool IsChecked(TControl* c) { return Perform(c, BM_GETCHECK, 0, 0) != 0; }

void SetChecked(TControl* c, bool checked) {
  Perform(c, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void SetColor(TControl* c, COLORREF color) {
  GetHandle(c);
  if (color == c->fColor) return;
  c->fColor = color;
  if (c->fBkBrush) {
    DeleteObject(c->fBkBrush);
    c->fBkBrush = nullptr;
  }
  Invalidate(c);
}

void SetShield(TControl* c) {
  c->fShield = true;
  Perform(c, BCM_SETSHIELD, 0, TRUE);
}

TControl* SetUnicodeFormat(TControl* c, bool unicode) {
  Perform(c, CCM_SETUNICODEFORMAT, unicode ? 1 : 0, 0);
  return c;
}

bool ChildNotifyHandler(TControl* c, TMsg& msg, LRESULT& result) {
  if (msg.message == WM_SETFOCUS) {
    if (TControl* form = ParentForm(c)) form->fFocusedControl = c;
    return false;
  }
  if (msg.message >= kReflectedCtlColorBase + WM_CTLCOLORMSGBOX &&
      msg.message <= kReflectedCtlColorBase + WM_CTLCOLORSTATIC) {
    HDC dc = reinterpret_cast<HDC>(msg.wParam);
    SetTextColor(dc, ColorToRGB(c->fTextColor));
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, ColorToRGB(c->fColor));
    result = reinterpret_cast<LRESULT>(GetBackgroundBrush(c));
    return true;
  }
  if (msg.message != kReflectedCommand) return false;
  WORD code = HIWORD(msg.wParam);
  const TKindTable& k = c->fKind;
  if (code == k.ClickCode) {
    if (c->fFocusing == 0) {
      SetFocused(c, true);
      Fire(c, c->fOnClick);
    }
  } else if (static_cast<int16_t>(code) == k.ChangeCode) {
    Fire(c, c->fOnChange);
  } else if (static_cast<int16_t>(code) == k.SelChangeCode) {
    Fire(c, c->fOnSelChange.IsSet() ? c->fOnSelChange : c->fOnChange);
  } else {
    return false;
  }
  result = c->fHandle ? CallDefault(c, msg) : 0;
  return true;
}
