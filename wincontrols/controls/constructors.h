#pragma once
// Constructors: a fully described control whose window is made on demand.
#include <cstdint>

#include <windows.h>
#include <commctrl.h>

#include "../objects/control.h"

// Edit options (bit numbers)
enum TEditOption : uint32_t {
  eoNoHorzScroll, eoNoVertScroll, eoLowerCase, eoMultiLine, eoKeepSelection, eoOemConvert,
  eoPassword, eoReadOnly, eoUpperCase, eoWantReturn, eoKeepTab, eoDigits
};
// Combo box options
enum TComboOption : uint32_t {
  coDropDownList, coNoHorzScroll, coShowDisabledScroll, coLowerCase, coNoIntegralHeight,
  coOemConvert, coSorted, coUpperCase, coOwnerDrawFixed, coOwnerDrawVariable, coSimple
};

constexpr uint32_t Opt(uint32_t bit) { return 1u << bit; }

// A non-negative entry is added when its option is present; a negative entry e adds ~e
// when its option is absent.
int32_t OptionsToStyle(uint32_t options, const int32_t* table, int count);

// The size a constructor gives before any is set.
void SetDefaultSize(TControl* c, int w, int h);
TControl* ChildConstruct(TControl* parent, const char* baseClass, uint32_t style,
                         const TKindTable* kind, bool sunken);
TControl* NewForm(TControl* parent, const char* caption);
TControl* NewButton(TControl* parent, const char* caption);
TControl* NewCheckBox(TControl* parent, const char* caption);
TControl* NewLabel(TControl* parent, const char* caption);
TControl* NewPanel(TControl* parent, int edge);
TControl* NewGroupBox(TControl* parent, const char* caption);
TControl* NewEdit(TControl* parent, uint32_t options);
TControl* NewComboBox(TControl* parent, uint32_t options);
TControl* NewCommonControl(TControl* parent, const char* className, uint32_t style,
                           const TKindTable* kind, bool sunken);
