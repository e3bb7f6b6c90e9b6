#pragma once
// String resources of a Windows library file, read as plain data.
#include <cstdint>

#include "../wincontrols/objects/text.h"

// The longest text kept of a skin string, as a 255-character buffer leaves it.
constexpr int kSkinStringMax = 254;

// Fills out[i] with string resource ids[i] of the file at path, converted to the ANSI code
// page and cut to kSkinStringMax bytes; a string that is missing, or a file that is not a
// readable library, gives an empty text. True when at least one string was found.
bool ReadStringResources(const char* path, const uint16_t* ids, int count, TText* out);
