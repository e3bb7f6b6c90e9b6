// Operations on controls: one set for every kind, through the kind table.
#pragma once
#include "../gdi/controltools.h"
#include "../objects/control.h"
#include "../objects/widetext.h"

int ItemCount(TControl* c);
// Items travel as UTF-16: a text of the program (Windows-1251) becomes one on its way in, and
// one from the system (a key's name, a device's) goes in as it is.
TText GetItemText(TControl* c, int index);
void SetItemText(TControl* c, int index, const TWideText& text);
int AddItem(TControl* c, const TWideText& text);
int InsertItem(TControl* c, int index, const TWideText& text);
LPARAM GetItemData(TControl* c, int index);              // also used by a test
void SetItemData(TControl* c, int index, LPARAM value);  // also used by a test
int GetCurIndex(TControl* c);
// Selects the item; a tab control also switches its page, as a click on the tab would.
void SetCurIndex(TControl* c, int index);
bool IsChecked(TControl* c);
void SetChecked(TControl* c, bool checked);
void SetColor(TControl* c, COLORREF color);
// The system's shield on a push button: pressing it asks for administrator rights.
void SetShield(TControl* c);
TControl* SetUnicodeFormat(TControl* c, bool unicode);

// Attached to every child by its constructor: reflected command notifications (fired as the
// control's events by its kind table), colour requests and focus records of a child control.
bool ChildNotifyHandler(TControl* c, TMsg& msg, LRESULT& result);

// The notification code a combo box posts to itself (as kReflectedCommand) after
// CBN_SELCHANGE, so that fOnSelChange sees the new text; no system code uses it.
constexpr WORD kDeferredSelChange = 15;

// The layer's named operations that only this file calls today.
void DeleteItem(TControl* c, int index);
// Selects the item without the tab control's page switch.
void SelectItem(TControl* c, int index);
