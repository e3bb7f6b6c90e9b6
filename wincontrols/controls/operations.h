#pragma once
// Operations on controls: one set for every kind, through the kind table.
#include "../gdi/controltools.h"
#include "../objects/control.h"

int ItemCount(TControl* c);
TText GetItemText(TControl* c, int index);
void SetItemText(TControl* c, int index, const TText& text);
int AddItem(TControl* c, const TText& text);
int InsertItem(TControl* c, int index, const TText& text);
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
