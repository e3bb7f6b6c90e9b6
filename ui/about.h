// The About page's addresses, side by side so that they cannot drift apart: the links show
// them (builder.cpp), a click opens them (formevents.cpp), and a test checks the mail one.
#pragma once

constexpr char kMailAddress[] = "vorduna@example.org";
constexpr char kWebHost[] = "vorduna.example.org";
constexpr char kWebAddress[] = "http://vorduna.example.org/";
