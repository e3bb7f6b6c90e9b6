#pragma once
// The About page's own texts and addresses.
#include "version.h"

constexpr const char kAuthorText[] = "Автор: команда проекта Vorduna";
constexpr const char kCopyrightText[] = "© 2026 проект Vorduna";
constexpr const char kIconsText[] = "Иконки: команда проекта Vorduna";
constexpr const char kVersionText[] = "Версия " VCONFIG_VERSION_TEXT;
constexpr const char kIcqNumber[] = "нет";
constexpr const char kMailAddress[] = "vorduna@example.org";
constexpr const char kWebHost[] = "vorduna.example.org";
constexpr const char kWebAddress[] = "http://vorduna.example.org/";
