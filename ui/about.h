#pragma once
// The About page's own texts and addresses.
#include "texts.h"
#include "version.h"

constexpr const char kAuthorText[] = TXT_Author;
constexpr const char kCopyrightText[] = TXT_Copyright;
constexpr const char kIconsText[] = TXT_Icons;
constexpr const char kVersionText[] = TXT_Version " " VCONFIG_VERSION_TEXT;
constexpr const char kIcqNumber[] = TXT_IcqNumber;
constexpr const char kMailAddress[] = "vorduna@example.org";
constexpr const char kWebHost[] = "vorduna.example.org";
constexpr const char kWebAddress[] = "http://vorduna.example.org/";
