#pragma once
// Operations on controls: one set for every kind, through the kind table.
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
void DeleteItem(TControl* c, int index);
LPARAM GetItemData(TControl* c, int index);
void SetItemData(TControl* c, int index, LPARAM value);
int GetCurIndex(TControl* c);
void SetCurIndex(TControl* c, int index);
void SelectItem(TControl* c, int index);
bool IsChecked(TControl* c);
void SetChecked(TControl* c, bool checked);
void SetColor(TControl* c, COLORREF color);
TControl* SetUnicodeFormat(TControl* c, bool unicode);

// Reflected command notifications, colour requests and focus records of a child control.
bool ChildNotifyHandler(TControl* c, TMsg& msg, LRESULT& result);

// The deferred selection-change code a combo box posts to itself.
constexpr WORD kDeferredSelChange = 15;
