// Constructors: a fully described control whose window is made on demand.
#pragma once
#include <cstdint>

#include <windows.h>
#include <commctrl.h>

#include "../objects/control.h"

// Edit options
constexpr uint32_t eoDigits = 1;  // only digits from the keyboard (ES_NUMBER)
// Combo box options; without coDropDownList the user may also type a text (CBS_DROPDOWN)
constexpr uint32_t coDropDownList = 1;      // a pick from the list only (CBS_DROPDOWNLIST)
constexpr uint32_t coNoIntegralHeight = 2;  // CBS_NOINTEGRALHEIGHT

TControl* NewForm(TControl* parent, const char* caption);
// The window of a form with this caption that is open already, maybe another process's; or
// nullptr.
HWND FindFormWindow(const char* caption);
TControl* NewButton(TControl* parent, const char* caption);
TControl* NewCheckBox(TControl* parent, const char* caption);
TControl* NewLabel(TControl* parent, const char* caption);
TControl* NewPanel(TControl* parent);
TControl* NewGroupBox(TControl* parent, const char* caption);
TControl* NewEdit(TControl* parent, uint32_t options);
TControl* NewComboBox(TControl* parent, uint32_t options);
TControl* NewCommonControl(TControl* parent, const char* className, uint32_t style,
                           const TKindTable* kind, bool sunken);

// The layer's named operations that only this file calls today.
// What every child control's constructor does first: a child of parent, of the system class
// baseClass, with the style and kind table, placed in the parent's top left corner.
TControl* ChildConstruct(TControl* parent, const char* baseClass, uint32_t style,
                         const TKindTable* kind, bool sunken);
