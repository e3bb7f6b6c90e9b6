// Drawing tools: a description whose GDI handle is made on demand and shared with an equal
// template.
#include "gditool.h"

#include <cstring>

#include "../objects/control.h"
#include "color.h"

static void MakeFontHandle(TGdiTool* tool) {
  if (tool->fGdiHandle) return;
  LOGFONTA font = tool->fDesc.fLogFont;
  if (tool->fDpi) {
    font.lfHeight = MulDiv(font.lfHeight, tool->fDpi, kDesignDpi);
    font.lfWidth = MulDiv(font.lfWidth, tool->fDpi, kDesignDpi);
  }
  tool->fGdiHandle = CreateFontIndirectA(&font);
}

TGdiTool* NewFont() {
  TGdiTool* tool = NewObject<TGdiTool>();
  tool->fDesc.fToolColor = kClrWindowText;
  tool->fDesc.fLogFont.lfCharSet = DEFAULT_CHARSET;
  strcpy(tool->fDesc.fLogFont.lfFaceName, "MS Sans Serif");
  return tool;
}

void TGdiTool::Destroy(bool freeMemory) {
  if (fGdiHandle) DeleteObject(fGdiHandle);
  fGdiHandle = nullptr;
  Release(fTemplate);
  fTemplate = nullptr;
  TRefObject::Destroy(freeMemory);
}

void ToolChanged(TGdiTool* tool) {
  HGDIOBJ old = tool->fGdiHandle;
  tool->fGdiHandle = nullptr;
  if (tool->fOnChange.IsSet()) tool->fOnChange.code(tool->fOnChange.data, tool);
  if (old) DeleteObject(old);
}

HGDIOBJ GetToolHandle(TGdiTool* tool) {
  if (tool->fGdiHandle && ColorToRGB(tool->fDesc.fToolColor) != tool->fHandleRGB) ToolChanged(tool);
  if (tool->fGdiHandle) return tool->fGdiHandle;
  if (tool->fTemplate && tool->fTemplate->fDpi == tool->fDpi &&
      memcmp(&tool->fTemplate->fDesc, &tool->fDesc, sizeof(TToolDesc)) == 0)
    return GetToolHandle(tool->fTemplate);  // borrowed, never stored
  tool->fHandleRGB = ColorToRGB(tool->fDesc.fToolColor);
  MakeFontHandle(tool);
  return tool->fGdiHandle;
}

TGdiTool* Assign(TGdiTool* dest, TGdiTool* source) {
  if (!source) {
    Release(dest);
    return nullptr;
  }
  if (!dest) dest = NewFont();
  if (dest == source) return dest;
  if (dest->fGdiHandle && dest->fGdiHandle == source->fGdiHandle) return dest;
  ToolChanged(dest);
  dest->fDesc = source->fDesc;
  dest->fDpi = source->fDpi;
  ToolChanged(dest);
  return dest;
}

TGdiTool* CopyTool(TGdiTool* source) {
  TGdiTool* copy = Assign(nullptr, source);
  AddRef(source);
  copy->fTemplate = source;
  return copy;
}

void SetToolColor(TGdiTool* tool, COLORREF color) {
  if (tool->fDesc.fToolColor != color) {
    tool->fDesc.fToolColor = color;
    ToolChanged(tool);
  }
  tool->fHandleRGB = ColorToRGB(color);
}

void SetFontHeight(TGdiTool* tool, LONG height) {
  if (tool->fDesc.fLogFont.lfHeight == height) return;
  tool->fDesc.fLogFont.lfHeight = height;
  ToolChanged(tool);
}

void SetToolDpi(TGdiTool* tool, int dpi) {
  if (tool->fDpi == dpi) return;
  tool->fDpi = static_cast<uint16_t>(dpi);
  ToolChanged(tool);
}

uint32_t GetFontStyle(TGdiTool* tool) {
  const LOGFONTA& lf = tool->fDesc.fLogFont;
  return (lf.lfWeight >= FW_BOLD ? kFontBold : 0) | (lf.lfItalic ? kFontItalic : 0) |
         (lf.lfUnderline ? kFontUnderline : 0) | (lf.lfStrikeOut ? kFontStrikeOut : 0);
}

void SetFontStyle(TGdiTool* tool, uint32_t style) {
  if (GetFontStyle(tool) == style) return;
  LOGFONTA& lf = tool->fDesc.fLogFont;
  if (style & kFontBold) {
    if (lf.lfWeight < FW_BOLD) lf.lfWeight = FW_BOLD;
  } else if (lf.lfWeight >= FW_BOLD) {
    lf.lfWeight = 0;
  }
  lf.lfItalic = (style & kFontItalic) ? 1 : 0;
  lf.lfUnderline = (style & kFontUnderline) ? 1 : 0;
  lf.lfStrikeOut = (style & kFontStrikeOut) ? 1 : 0;
  ToolChanged(tool);
}

void SetFontName(TGdiTool* tool, const char* name) {
  if (!name) name = "";
  char* face = tool->fDesc.fLogFont.lfFaceName;
  if (strcmp(face, name) == 0) return;
  memset(face, 0, LF_FACESIZE);
  strncpy(face, name, LF_FACESIZE - 1);
  ToolChanged(tool);
}
