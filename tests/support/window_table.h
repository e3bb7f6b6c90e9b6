// The settings window as the program must build it: its 60 controls in creation order (also
// the Tab order), each with its parent, kind, place, size at 96 DPI, and text, and the items of
// its fixed lists. One table for two readers: the layout test checks the program's window
// against it (tests/unit/settings_test.cpp), and the bench's baseline builds the same window
// from it with CreateWindowExA alone (bench/baseline.cpp), so the bench can never compare the
// program with another window.
#pragma once
#include "ui/formrecord.h"
#include "version.h"

namespace window_table {

// Sizes: kAuto follows the text (a label: its extent + 1, 1; a check box: + 24, 6); kAny is
// the constructor's default, not checked by the test (a combo box: its system height).
constexpr int kAuto = -1, kAny = -2;
enum TKind { kTabs, kGroup, kListCombo, kEditCombo, kSpin, kNumberEdit, kLabel, kCheck, kPush };

struct TRow {
  TControl* TFormRecord::*field;
  TControl* TFormRecord::*parent;  // nullptr: page `page` of the tab control
  int page;
  TKind kind;
  int left, top, width, height;
  const char* text;  // a list's: the item selected at start with the default settings
};

using R = TFormRecord;
constexpr TRow kRows[] = {
    {&R::SettingsTabs, &R::SettingsForm, -1, kTabs, 8, 8, 336, 304, ""},
    {&R::DeviceGroup, nullptr, 0, kGroup, 12, 14, 304, 60, "Устройство для управления"},
    {&R::DeviceCombo, &R::DeviceGroup, -1, kListCombo, 40, 24, 224, kAny, "Первичное устройство"},
    {&R::BalanceGroup, nullptr, 0, kGroup, 12, 86, 304, 60, "Баланс каналов"},
    {&R::BalanceSpin, &R::BalanceGroup, -1, kSpin, 72, 24, 16, 19, ""},
    {&R::BalanceEdit, &R::BalanceGroup, -1, kNumberEdit, 40, 24, 32, 19, "50"},
    {&R::StepGroup, nullptr, 0, kGroup, 12, 158, 304, 60, "Шаг изменения громкости"},
    {&R::StepRangeLabel, &R::StepGroup, -1, kLabel, 168, 28, kAuto, kAuto, "(от 0 до 65535)"},
    {&R::StepCombo, &R::StepGroup, -1, kEditCombo, 40, 24, 120, kAny, "5000 (нормально)"},
    {&R::AutostartCheck, nullptr, 0, kCheck, 12, 230, 152, 22, "Автозагрузка программы"},
    {&R::SkinGroup, nullptr, 1, kGroup, 12, 14, 304, 60, "Скин индикатора в трее"},
    {&R::SkinCombo, &R::SkinGroup, -1, kListCombo, 40, 24, 224, kAny, nullptr},
    {&R::BalloonHintCheck, nullptr, 1, kCheck, 12, 94, kAuto, kAuto, "Всплывающая подсказка"},
    {&R::WheelGroup, nullptr, 2, kGroup, 12, 14, 304, 80, "Управление громкостью"},
    {&R::WheelModLabel, &R::WheelGroup, -1, kLabel, 16, 49, kAuto, kAuto, "Колесико мыши +"},
    {&R::WheelOverIconCheck, &R::WheelGroup, -1, kCheck, 16, 23, kAuto, kAuto,
     "Колесико мыши над значком в трее"},
    {&R::WheelCtrlCheck, &R::WheelGroup, -1, kCheck, 115, 48, kAuto, kAuto, "Ctrl"},
    {&R::WheelAltCheck, &R::WheelGroup, -1, kCheck, 160, 48, kAuto, kAuto, "Alt"},
    {&R::WheelShiftCheck, &R::WheelGroup, -1, kCheck, 200, 48, kAuto, kAuto, "Shift"},
    {&R::TrayActionsGroup, nullptr, 2, kGroup, 12, 110, 304, 152, "Действия над иконкой в трее"},
    {&R::ClickLabel, &R::TrayActionsGroup, -1, kLabel, 16, 28, kAuto, kAuto, "Одиночный клик:"},
    {&R::DClickLabel, &R::TrayActionsGroup, -1, kLabel, 16, 60, kAuto, kAuto, "Двойной клик:"},
    {&R::MClickLabel, &R::TrayActionsGroup, -1, kLabel, 16, 92, kAuto, kAuto, "Средняя кнопка:"},
    {&R::PrimaryOnlyLabel, &R::TrayActionsGroup, -1, kLabel, 16, 120, kAuto, kAuto,
     "* Только для первичного устройства"},
    {&R::ClickCombo, &R::TrayActionsGroup, -1, kListCombo, 116, 24, 164, kAny,
     "Стандартный регулятор*"},
    {&R::DClickCombo, &R::TrayActionsGroup, -1, kListCombo, 116, 56, 164, kAny,
     "Стандартный микшер"},
    {&R::MClickCombo, &R::TrayActionsGroup, -1, kListCombo, 116, 88, 164, kAny,
     "Выкл. / вкл. звук"},
    {&R::UpKeyGroup, nullptr, 3, kGroup, 12, 14, 304, 60, "Увеличить громкость"},
    {&R::UpCtrlCheck, &R::UpKeyGroup, -1, kCheck, 24, 24, kAuto, kAuto, "Ctrl"},
    {&R::UpAltCheck, &R::UpKeyGroup, -1, kCheck, 69, 24, kAuto, kAuto, "Alt"},
    {&R::UpShiftCheck, &R::UpKeyGroup, -1, kCheck, 110, 24, kAuto, kAuto, "Shift"},
    {&R::UpWinCheck, &R::UpKeyGroup, -1, kCheck, 161, 24, kAuto, kAuto, "Win"},
    {&R::UpKeyCombo, &R::UpKeyGroup, -1, kListCombo, 208, 23, 74, kAny, "Нет"},
    {&R::DownKeyGroup, nullptr, 3, kGroup, 12, 94, 304, 60, "Уменьшить громкость"},
    {&R::DownCtrlCheck, &R::DownKeyGroup, -1, kCheck, 24, 24, kAuto, kAuto, "Ctrl"},
    {&R::DownAltCheck, &R::DownKeyGroup, -1, kCheck, 69, 24, kAuto, kAuto, "Alt"},
    {&R::DownShiftCheck, &R::DownKeyGroup, -1, kCheck, 110, 24, kAuto, kAuto, "Shift"},
    {&R::DownWinCheck, &R::DownKeyGroup, -1, kCheck, 160, 24, kAuto, kAuto, "Win"},
    {&R::DownKeyCombo, &R::DownKeyGroup, -1, kListCombo, 206, 23, 74, kAny, "Нет"},
    {&R::MuteKeyGroup, nullptr, 3, kGroup, 12, 174, 304, 60, "Выкл. / вкл. звук"},
    {&R::MuteCtrlCheck, &R::MuteKeyGroup, -1, kCheck, 24, 24, kAuto, kAuto, "Ctrl"},
    {&R::MuteAltCheck, &R::MuteKeyGroup, -1, kCheck, 69, 24, kAuto, kAuto, "Alt"},
    {&R::MuteShiftCheck, &R::MuteKeyGroup, -1, kCheck, 110, 24, kAuto, kAuto, "Shift"},
    {&R::MuteWinCheck, &R::MuteKeyGroup, -1, kCheck, 160, 24, kAuto, kAuto, "Win"},
    {&R::MuteKeyCombo, &R::MuteKeyGroup, -1, kListCombo, 206, 23, 74, kAny, "Нет"},
    {&R::AuthorLabel, nullptr, 4, kLabel, 12, 62, kAuto, kAuto, "Автор: команда проекта Vorduna"},
    {&R::CopyrightLabel, nullptr, 4, kLabel, 84, 248, kAuto, kAuto, "© 2026 проект Vorduna"},
    {&R::IconsLabel, nullptr, 4, kLabel, 12, 80, kAuto, kAuto, "Иконки: команда проекта Vorduna"},
    {&R::TitleLabel, nullptr, 4, kLabel, 12, 14, kAuto, kAuto, "Vorduna"},
    {&R::VersionLabel, nullptr, 4, kLabel, 12, 30, kAuto, kAuto, "Версия " VCONFIG_VERSION_TEXT},
    {&R::ContactsGroup, nullptr, 4, kGroup, 12, 110, 304, 86, "Координаты"},
    {&R::IcqNumberLabel, &R::ContactsGroup, -1, kLabel, 103, 60, kAuto, kAuto, "нет"},
    {&R::IcqCaptionLabel, &R::ContactsGroup, -1, kLabel, 24, 56, kAuto, kAuto, "ICQ:"},
    {&R::MailLinkLabel, &R::ContactsGroup, -1, kLabel, 103, 40, kAuto, kAuto,
     "vorduna@example.org"},
    {&R::MailCaptionLabel, &R::ContactsGroup, -1, kLabel, 24, 40, kAuto, kAuto, "E-Mail/Jabber:"},
    {&R::WebLinkLabel, &R::ContactsGroup, -1, kLabel, 103, 24, kAuto, kAuto, "vorduna.example.org"},
    {&R::WebCaptionLabel, &R::ContactsGroup, -1, kLabel, 24, 24, kAuto, kAuto, "Web:"},
    {&R::OkButton, &R::SettingsForm, -1, kPush, 112, 320, 75, 25, "&OK"},
    {&R::CancelButton, &R::SettingsForm, -1, kPush, 192, 320, 75, 25, "&Отмена"},
    {&R::ApplyButton, &R::SettingsForm, -1, kPush, 272, 320, 75, 25, "&Применить"},
};

constexpr const char* kPageTitles[] = {"Общие", "Вид", "Мышь", "Горячие клавиши", "О программе..."};
// The three tray-action lists' items, and the step list's.
constexpr const char* kActionItems[] = {"Нет", "Стандартный регулятор*", "Стандартный микшер",
                                        "Выкл. / вкл. звук", "Настройки"};
constexpr const char* kStepItems[] = {"500 (очень медленно)", "2500 (медленно)", "5000 (нормально)",
                                      "7500 (быстро)", "10000 (очень быстро)"};

}  // namespace window_table
