// The settings window's record: one reference per control, and the window's handlers.
#pragma once
#include "../wincontrols/objects/control.h"
#include "texts.h"

class TFormRecord : public TRefObject {
 public:
  TControl* SettingsForm;
  TControl* SettingsTabs;
  // General page
  TControl* DeviceGroup;
  TControl* DeviceCombo;
  TControl* BalanceGroup;
  TControl* BalanceSpin;
  TControl* BalanceEdit;
  TControl* StepGroup;
  TControl* StepRangeLabel;
  TControl* StepCombo;
  TControl* AutostartCheck;
  // View page
  TControl* SkinGroup;
  TControl* SkinCombo;
  TControl* BalloonHintCheck;
  // Mouse page
  TControl* WheelGroup;
  TControl* WheelModLabel;
  TControl* WheelOverIconCheck;
  TControl* WheelCtrlCheck;
  TControl* WheelAltCheck;
  TControl* WheelShiftCheck;
  TControl* TrayActionsGroup;
  TControl* ClickLabel;
  TControl* DClickLabel;
  TControl* MClickLabel;
  TControl* PrimaryOnlyLabel;
  TControl* ClickCombo;
  TControl* DClickCombo;
  TControl* MClickCombo;
  // Hotkeys page
  TControl* UpKeyGroup;
  TControl* UpCtrlCheck;
  TControl* UpAltCheck;
  TControl* UpShiftCheck;
  TControl* UpWinCheck;
  TControl* UpKeyCombo;
  TControl* DownKeyGroup;
  TControl* DownCtrlCheck;
  TControl* DownAltCheck;
  TControl* DownShiftCheck;
  TControl* DownWinCheck;
  TControl* DownKeyCombo;
  TControl* MuteKeyGroup;
  TControl* MuteCtrlCheck;
  TControl* MuteAltCheck;
  TControl* MuteShiftCheck;
  TControl* MuteWinCheck;
  TControl* MuteKeyCombo;
  // About page
  TControl* AuthorLabel;
  TControl* CopyrightLabel;
  TControl* IconsLabel;
  TControl* TitleLabel;
  TControl* VersionLabel;
  TControl* ContactsGroup;
  TControl* IcqNumberLabel;
  TControl* IcqCaptionLabel;
  TControl* MailLinkLabel;
  TControl* MailCaptionLabel;
  TControl* WebLinkLabel;
  TControl* WebCaptionLabel;
  // Buttons
  TControl* OkButton;
  TControl* CancelButton;
  TControl* ApplyButton;

  // Handlers
  void BalanceEditChange(TControl* sender);
  void OkButtonClick(TControl* sender);
  void ApplyButtonClick(TControl* sender);
  void CancelButtonClick(TControl* sender);
  void WebLinkClick(TControl* sender);
  void MailLinkClick(TControl* sender);
};

extern TFormRecord* FormRecord;

// Only administrators may write the settings file: OK and Apply carry the system's shield, and
// each save goes to a copy of the program with their rights (formevents.cpp).
void RequireAdministrator(TFormRecord* r);

// The window's caption, also the title of its boxes.
constexpr char kWindowCaption[] = TXT_WindowCaption;

// Page indexes of SettingsTabs
enum TSettingsPage { kGeneralPage, kViewPage, kMousePage, kHotkeysPage, kAboutPage };

// Builds the settings window into the global record; parent is none in this program. prepare
// (the program's start-up preparation) runs as the second-to-last step.
void BuildSettingsWindow(TFormRecord*& record, TControl* parent, void (*prepare)(TFormRecord* r));
