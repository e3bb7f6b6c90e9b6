// Drawing tools: a description whose GDI handle is made on demand and shared with an equal
// template. TGdiTool is the layer's one kind of tool for fonts and brushes alike; this program
// makes fonts with it (background brushes come from color.h).
#pragma once
#include <windows.h>

#include <cstdint>

#include "../objects/refobject.h"

class TGdiTool;
typedef void (*TToolChangeProc)(void* data, TGdiTool* tool);

// Font style bits
constexpr uint32_t kFontBold = 1;
constexpr uint32_t kFontItalic = 2;
constexpr uint32_t kFontUnderline = 4;
constexpr uint32_t kFontStrikeOut = 8;

// Colour and LOGFONT: compared and copied as one 64-byte block.
struct TToolDesc {
  COLORREF fToolColor;
  LOGFONTA fLogFont;
};
static_assert(sizeof(TToolDesc) == 64, "tool description is 64 bytes");

class TGdiTool : public TRefObject {
 public:
  void Destroy(bool freeMemory) override;

  HGDIOBJ fGdiHandle;
  TGdiTool* fTemplate;  // holds a reference while set
  COLORREF fHandleRGB;
  TMethodPtr<TToolChangeProc> fOnChange;
  TToolDesc fDesc;
  uint16_t fDpi;  // a font's height is given at 96 DPI and made at this one (0: 96)
};

TGdiTool* NewFont();
HGDIOBJ GetToolHandle(TGdiTool* tool);
// A copy of source that borrows source's handle while both stay equal.
TGdiTool* CopyTool(TGdiTool* source);
void SetToolColor(TGdiTool* tool, COLORREF color);
void SetFontHeight(TGdiTool* tool, LONG height);
// The DPI the font is made at.
void SetToolDpi(TGdiTool* tool, int dpi);
uint32_t GetFontStyle(TGdiTool* tool);
void SetFontStyle(TGdiTool* tool, uint32_t style);
void SetFontName(TGdiTool* tool, const char* name);

// The layer's named operations that only this file calls today.
// The description changed: the handle is made anew, and the owner told through fOnChange.
void ToolChanged(TGdiTool* tool);
// dest takes source's description (a new font when dest is none); the result is dest.
TGdiTool* Assign(TGdiTool* dest, TGdiTool* source);
