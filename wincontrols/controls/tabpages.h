#pragma once
// Pages of the tab control: panels stacked in its display area, one visible at a time.
#include <windows.h>
#include <commctrl.h>

#include "../objects/control.h"

// Tab control options
enum TTabOption : uint32_t {
  toButtons, toFixedWidth, toFocusable, toIconLeft, toLabelLeft, toMultiLine, toMultiSelect,
  toUnused7, toScrollOpposite, toBottom, toVertical, toFlatButtons, toHotTrack, toClientEdge,
  toOwnerDraw
};

// The tab control with a page for each of texts[0..lastIndex].
TControl* NewTabControl(TControl* parent, const char* const* texts, int lastIndex,
                        int firstImage, HIMAGELIST images, uint32_t options);

TControl* InsertPage(TControl* tabs, int index, const char* text, int image);
TControl* GetPage(TControl* tabs, int index);
bool PageHandler(TControl* tabs, TMsg& msg, LRESULT& result);
