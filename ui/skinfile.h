#pragma once
// String resources of a Windows library file, read as plain data.
#include <cstdint>

#include "../wincontrols/objects/widetext.h"

// The longest text kept of a skin string, as a 255-character buffer leaves it.
constexpr int kSkinStringMax = 254;

// Fills out[i] with string resource ids[i] of the file at path, in its own characters, cut to
// kSkinStringMax; a string that is missing, or a file that is not a readable library, gives
// an empty text. True when at least one string was found.
bool ReadStringResources(const char* path, const uint16_t* ids, int count, TWideText* out);
