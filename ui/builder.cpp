// The settings window: every control, in creation order (also the Tab order).
#include "../runtime/benchmarks.h"
#include "../settings/settings.h"
#include "../wincontrols/controls/accessible.h"
#include "../wincontrols/controls/align.h"
#include "../wincontrols/controls/constructors.h"
#include "../wincontrols/controls/geometry.h"
#include "../wincontrols/controls/navigation.h"
#include "../wincontrols/controls/operations.h"
#include "../wincontrols/controls/tabpages.h"
#include "../wincontrols/dispatch/dispatch.h"
#include "../wincontrols/dispatch/globals.h"
#include "../wincontrols/gdi/gditool.h"
#include "../wincontrols/gdi/palette.h"
#include "../wincontrols/storage/convert.h"
#include "about.h"
#include "formrecord.h"
#include "spin.h"
#include "texts.h"
#include "version.h"

TFormRecord* FormRecord = nullptr;

namespace {

constexpr int kAuto = -1;    // size follows the text
constexpr int kDefault = 0;  // the constructor's default
constexpr uint32_t kListCombo = coDropDownList | coNoIntegralHeight;
constexpr uint32_t kEditCombo = coNoIntegralHeight;
constexpr char kVersionText[] = TXT_Version " " VCONFIG_VERSION_TEXT;
constexpr COLORREF kClrWindow = kSystemColor | COLOR_WINDOW;  // the lists' and the field's

// Position, size, then the window (SetUnicodeFormat creates it).
TControl* Place(TControl* c, int left, int top, int width, int height) {
  SetPosition(c, left, top);
  if (width == kAuto) SetAutoSize(c, true);
  else SetSize(c, width, height);
  return SetUnicodeFormat(c, true);
}

TControl* Group(TControl* parent, const char* text, int left, int top, int width, int height) {
  TControl* c = Place(NewGroupBox(parent, text), left, top, width, height);
  c->fTabStop = false;
  return c;
}

TControl* Label(TControl* parent, const char* text, int left, int top) {
  return Place(NewLabel(parent, text), left, top, kAuto, kAuto);
}

TControl* Check(TControl* parent, const char* text, int left, int top, int width = kAuto) {
  return Place(NewCheckBox(parent, text), left, top, width, kDefault);
}

// items: the texts one after the other, each ended by a NUL, the last one by two. A screen
// reader names the list by the text of namer: its group's title, or the label beside it.
TControl* Combo(TControl* parent, uint32_t options, int left, int top, int width, const char* items,
                int current, TControl* namer) {
  TControl* c = NewComboBox(parent, options);
  SetAccessibleName(c, namer->fText);
  Place(c, left, top, width, kDefault);
  SetColor(c, kClrWindow);
  for (int i = 0; *items; ++i, items += lstrlenA(items) + 1) SetItemText(c, i, ProgramText(items));
  SetCurIndex(c, current);
  return c;
}

TControl* Button(TControl* parent, const char* text, int left) {
  return Place(NewButton(parent, text), left, 320, 75, 25);
}

TControl* Link(TControl* parent, const char* text, int left, int top) {
  TControl* c = Label(parent, text, left, top);
  SetToolColor(GetFont(c), kClrLink);
  SetControlCursor(c, LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
  return c;
}

struct THotkeyGroup {
  TControl **group, **ctrl, **alt, **shift, **win, **combo;
};

void BuildHotkeyGroup(TControl* page, const THotkeyGroup& g, const char* caption, int top,
                      int winLeft, int comboLeft) {
  *g.group = Group(page, caption, 12, top, 304, 60);
  *g.ctrl = Check(*g.group, "Ctrl", 24, 24);
  *g.alt = Check(*g.group, "Alt", 69, 24);
  *g.shift = Check(*g.group, "Shift", 110, 24);
  *g.win = Check(*g.group, "Win", winLeft, 24);
  *g.combo = Combo(*g.group, kListCombo, comboLeft, 23, 74, TXT_KeyNone "\0", 0, *g.group);
}

void BuildGeneralPage(TFormRecord* r, TControl* page) {
  r->DeviceGroup = Group(page, TXT_DeviceGroup, 12, 14, 304, 60);
  r->DeviceCombo =
      Combo(r->DeviceGroup, kListCombo, 40, 24, 224, TXT_PrimaryDevice "\0", 0, r->DeviceGroup);
  r->BalanceGroup = Group(page, TXT_BalanceGroup, 12, 86, 304, 60);
  r->BalanceSpin = NewSpin(r->BalanceGroup);
  SpinSetMax(r->BalanceSpin, kMaxBalance);
  SpinSetMin(r->BalanceSpin, 0);
  r->BalanceEdit = NewEdit(r->BalanceGroup, eoDigits);
  SetAccessibleName(r->BalanceEdit, r->BalanceGroup->fText);
  SetPosition(r->BalanceEdit, 40, 24);
  SetSize(r->BalanceEdit, 32, 19);
  SetText(r->BalanceEdit, IntToText(kDefaultBalance));
  r->StepGroup = Group(page, TXT_StepGroup, 12, 158, 304, 60);
  r->StepRangeLabel = Label(r->StepGroup, TXT_StepRange, 168, 28);
  r->StepCombo = Combo(r->StepGroup, kEditCombo, 40, 24, 120, TXT_StepItems, 2, r->StepGroup);
  r->AutostartCheck = Check(page, TXT_Autostart, 12, 230, 152);
}

void BuildViewPage(TFormRecord* r, TControl* page) {
  r->SkinGroup = Group(page, TXT_SkinGroup, 12, 14, 304, 60);
  r->SkinCombo = Combo(r->SkinGroup, kListCombo, 40, 24, 224, "", 0, r->SkinGroup);
  r->BalloonHintCheck = Check(page, TXT_BalloonHint, 12, 94);
}

void BuildMousePage(TFormRecord* r, TControl* page) {
  r->WheelGroup = Group(page, TXT_WheelGroup, 12, 14, 304, 80);
  r->WheelModLabel = Label(r->WheelGroup, TXT_WheelModifiers, 16, 49);
  r->WheelOverIconCheck = Check(r->WheelGroup, TXT_WheelOverIcon, 16, 23);
  r->WheelCtrlCheck = Check(r->WheelGroup, "Ctrl", 115, 48);
  r->WheelAltCheck = Check(r->WheelGroup, "Alt", 160, 48);
  r->WheelShiftCheck = Check(r->WheelGroup, "Shift", 200, 48);
  r->TrayActionsGroup = Group(page, TXT_TrayActionsGroup, 12, 110, 304, 152);
  r->ClickLabel = Label(r->TrayActionsGroup, TXT_Click, 16, 28);
  r->DClickLabel = Label(r->TrayActionsGroup, TXT_DoubleClick, 16, 60);
  r->MClickLabel = Label(r->TrayActionsGroup, TXT_MiddleClick, 16, 92);
  r->PrimaryOnlyLabel = Label(r->TrayActionsGroup, TXT_PrimaryOnly, 16, 120);
  r->ClickCombo = Combo(r->TrayActionsGroup, kListCombo, 116, 24, 164, "", 0, r->ClickLabel);
  r->DClickCombo = Combo(r->TrayActionsGroup, kListCombo, 116, 56, 164, "", 0, r->DClickLabel);
  r->MClickCombo = Combo(r->TrayActionsGroup, kListCombo, 116, 88, 164, "", 0, r->MClickLabel);
}

void BuildHotkeysPage(TFormRecord* r, TControl* page) {
  BuildHotkeyGroup(page,
                   {&r->UpKeyGroup, &r->UpCtrlCheck, &r->UpAltCheck, &r->UpShiftCheck,
                    &r->UpWinCheck, &r->UpKeyCombo},
                   TXT_VolumeUpGroup, 14, 161, 208);
  BuildHotkeyGroup(page,
                   {&r->DownKeyGroup, &r->DownCtrlCheck, &r->DownAltCheck, &r->DownShiftCheck,
                    &r->DownWinCheck, &r->DownKeyCombo},
                   TXT_VolumeDownGroup, 94, 160, 206);
  BuildHotkeyGroup(page,
                   {&r->MuteKeyGroup, &r->MuteCtrlCheck, &r->MuteAltCheck, &r->MuteShiftCheck,
                    &r->MuteWinCheck, &r->MuteKeyCombo},
                   TXT_MuteGroup, 174, 160, 206);
}

void BuildAboutPage(TFormRecord* r, TControl* page) {
  r->AuthorLabel = Label(page, TXT_Author, 12, 62);
  r->CopyrightLabel = Label(page, TXT_Copyright, 84, 248);
  r->IconsLabel = Label(page, TXT_Icons, 12, 80);
  r->TitleLabel = Label(page, TXT_Title, 12, 14);
  SetFontStyle(GetFont(r->TitleLabel), kFontBold);
  r->VersionLabel = Label(page, kVersionText, 12, 30);
  r->ContactsGroup = Group(page, TXT_ContactsGroup, 12, 110, 304, 86);
  r->IcqNumberLabel = Label(r->ContactsGroup, TXT_IcqNumber, 103, 60);
  r->IcqCaptionLabel = Label(r->ContactsGroup, TXT_IcqCaption, 24, 56);
  r->MailLinkLabel = Link(r->ContactsGroup, kMailAddress, 103, 40);
  r->MailCaptionLabel = Label(r->ContactsGroup, TXT_MailCaption, 24, 40);
  r->WebLinkLabel = Link(r->ContactsGroup, kWebHost, 103, 24);
  r->WebCaptionLabel = Label(r->ContactsGroup, TXT_WebCaption, 24, 24);
}

}  // namespace

void BuildSettingsWindow(TFormRecord*& record, TControl* parent, void (*prepare)(TFormRecord* r)) {
  TFormRecord* r = NewObject<TFormRecord>();
  record = r;

  TControl* form = NewForm(parent, kWindowCaption);
  EnableDialogKeys(form);
  r->SettingsForm = form;
  AppMainWindow = form;
  AddToReleaseList(form, r);

  SetUnicodeFormat(form, true);
  BenchMark("window");
  SetExStyle(form, form->fExStyle | WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE);
  SetStyle(form, form->fStyle & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  SetClientSize(form, 352, 353);
  SetSizeable(form, false);
  SetStayOnTop(form, true);
  SetFontHeight(GetFont(form), -11);
  SetFontName(GetFont(form), "Tahoma");

  r->SettingsTabs = NewTabControl(form, TXT_PageTitles);
  Place(r->SettingsTabs, 8, 8, 336, 304);
  BuildGeneralPage(r, GetPage(r->SettingsTabs, kGeneralPage));
  BuildViewPage(r, GetPage(r->SettingsTabs, kViewPage));
  BuildMousePage(r, GetPage(r->SettingsTabs, kMousePage));
  BuildHotkeysPage(r, GetPage(r->SettingsTabs, kHotkeysPage));
  BuildAboutPage(r, GetPage(r->SettingsTabs, kAboutPage));
  r->OkButton = Button(form, TXT_Ok, 112);
  r->CancelButton = Button(form, TXT_Cancel, 192);
  r->ApplyButton = Button(form, TXT_Apply, 272);
  BenchMark("controls");

  // The window's wiring: each event slot holds a method of the record (formevents.cpp), which
  // ChildNotifyHandler (operations.cpp) fires when a reflected notification matches the
  // control's kind table.
  r->MailLinkLabel->fOnClick = MakeEvent<TFormRecord, &TFormRecord::MailLinkClick>(r);
  r->WebLinkLabel->fOnClick = MakeEvent<TFormRecord, &TFormRecord::WebLinkClick>(r);

  // The buddy moves and narrows the edit; put both back where they belong.
  SpinSetBuddy(r->BalanceSpin, GetHandle(r->BalanceEdit));
  SetPosition(r->BalanceSpin, 72, 24);
  SetHeight(r->BalanceSpin, 19);
  SetWidth(r->BalanceEdit, 32);
  SetWidth(r->BalanceSpin, 16);

  SetCurIndex(r->SettingsTabs, kAboutPage);
  BringToFront(GetPage(r->SettingsTabs, kAboutPage));
  SetColor(r->BalanceEdit, kClrWindow);

  r->BalanceEdit->fOnChange = MakeEvent<TFormRecord, &TFormRecord::BalanceEditChange>(r);
  // OK, Cancel and Apply. Enter and Escape press the first two wherever the focus is, through
  // the Enter/Escape hook that the first SetButtonKey installs (navigation.cpp).
  r->OkButton->fOnClick = MakeEvent<TFormRecord, &TFormRecord::OkButtonClick>(r);
  SetButtonKey(r->OkButton, VK_RETURN, true);
  r->CancelButton->fOnClick = MakeEvent<TFormRecord, &TFormRecord::CancelButtonClick>(r);
  SetButtonKey(r->CancelButton, VK_ESCAPE, true);
  r->ApplyButton->fOnClick = MakeEvent<TFormRecord, &TFormRecord::ApplyButtonClick>(r);

  CenterControl(form);
  // The program's start-up preparation (app/startup.cpp) as the second-to-last act: it fills
  // the lists and shows the settings, so every control must exist; it is handed in because
  // this floor cannot call up to the program's start.
  prepare(r);
  SetControlIcon(form, kNoIcon);
}
