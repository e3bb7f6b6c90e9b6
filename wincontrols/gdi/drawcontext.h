#pragma once
// A device context that selects a control's font and colours on demand and measures text.
#include <windows.h>

#include <cstdint>

#include "../objects/refobject.h"

class TControl;
class TGdiTool;
class TDrawContext;
typedef HDC (*TGetDCProc)(void* data, TDrawContext* ctx);

// fSelected bits
constexpr uint8_t kHasDC = 1;
constexpr uint8_t kPenSelected = 2;
constexpr uint8_t kBrushSelected = 4;
constexpr uint8_t kFontSelected = 8;

class TDrawContext : public TRefObject {
 public:
  void Destroy(bool freeMemory) override;

  TControl* fOwner;
  HDC fDC;
  POINT fPenPos;
  uint8_t fSelected;
  TGdiTool* fBrushTool;
  TGdiTool* fPenTool;
  TGdiTool* fFontTool;
  TMethodPtr<TGetDCProc> fGetDC;
};

TDrawContext* NewDrawContext(HDC dc);
TDrawContext* GetDrawContext(TControl* c);
HDC RequiredState(TDrawContext* ctx, uint8_t needs);
void SetDC(TDrawContext* ctx, HDC dc);
void Deselect(TDrawContext* ctx);
SIZE TextExtent(TDrawContext* ctx, const char* text, int length);
