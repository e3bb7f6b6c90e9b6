// String resources of a Windows library file, read as plain data.
#pragma once
#include <cstdint>

#include "../wincontrols/objects/widetext.h"

// Fills out[i] with string resource ids[i] of the file at path, in its own characters, cut to
// 254 characters (what a 255-character buffer leaves); a string that is missing, or a file that is
// not a readable library, gives an empty text. True when at least one string was found.
bool ReadStringResources(const char* path, const uint16_t* ids, int count, TWideText* out);
