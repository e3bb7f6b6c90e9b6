// Alignment of children inside their parent, and sizing of a control to its text.
#include "align.h"
#include "../dispatch/dispatch.h"
#include "../dispatch/globals.h"
#include "../gdi/drawcontext.h"
#include "../gdi/gditool.h"
#include "geometry.h"

namespace {
// fAlignState bits
constexpr uint32_t kRealignPending = 1;  // to be realigned once it can be
constexpr uint32_t kSizedByParent = 2;   // its size came from its parent's last pass
constexpr uint32_t kAligning = 4;        // a pass over its children is running

constexpr uint32_t Bit(TAlign a) { return 1u << a; }
bool Shown(TControl* c) { return c->fVisible || c->fShowPending; }
}  // namespace

void SetAlign(TControl* c, TAlign align) {
  // Placement lives on this floor, above the objects that are shown, hidden and resized; they
  // reach it through the realign hook, filled here by the first control to be aligned.
  RealignHook = RequestRealign;
  if (align == c->fAlign) return;
  c->fAlign = align;
  RequestRealign(c);
}

void RequestRealign(TControl* c) {
  if (!c) return;
  bool resized = (c->fAlignState & kSizedByParent) != 0;
  c->fAlignState &= ~kSizedByParent;
  TControl* target = c;
  if (c->fParent && (!c->fIsFormKind || resized)) {
    c->fAlignState |= kRealignPending;
    target = c->fParent;
  }
  if (CanRealign(target)) Realign(target);
}

bool CanRealign(TControl* c) {
  bool can = Shown(c) && (!c->fIsChild || !c->fParent || CanRealign(c->fParent));
  if (!can) c->fAlignState |= kRealignPending;
  return can;
}

void Realign(TControl* c) {
  c->fAlignState = (c->fAlignState & ~kRealignPending) | kAligning;
  RECT rest = ClientRect(c);
  AlignPass(c, rest, Bit(alTop) | Bit(alBottom));
  AlignPass(c, rest, Bit(alLeft) | Bit(alRight));
  AlignPass(c, rest, Bit(alNone) | Bit(alClient));
  c->fAlignState &= ~kAligning;
}

void AlignPass(TControl* container, RECT& rest, uint32_t alignSet) {
  int m = Scaled(container, container->fSpacing);
  int32_t n = container->fChildren ? container->fChildren->Count() : 0;
  for (int32_t i = 0; i < n; ++i) {
    if (!(container->fAlignState & kAligning)) return;  // a nested pass has finished
    auto* child = static_cast<TControl*>(container->fChildren->Get(i));
    if (!child || !Shown(child) || !(alignSet & (1u << child->fAlign))) continue;
    RECT r = GetBounds(child);
    RECT old = r;
    int w = old.right - old.left, h = old.bottom - old.top;
    switch (child->fAlign) {
      case alLeft:
        OffsetRect(&r, rest.left + m - r.left, 0);
        rest.left += w + m;
        r.top = rest.top + m;
        r.bottom = rest.bottom - m;
        break;
      case alTop:
        OffsetRect(&r, 0, rest.top + m - r.top);
        rest.top += h + m;
        r.left = rest.left + m;
        r.right = rest.right - m;
        break;
      case alRight:
        OffsetRect(&r, rest.right - m - r.right, 0);
        rest.right -= w + m;
        r.top = rest.top + m;
        r.bottom = rest.bottom - m;
        break;
      case alBottom:
        OffsetRect(&r, 0, rest.bottom - m - r.bottom);
        rest.bottom -= h + m;
        r.left = rest.left + m;
        r.right = rest.right - m;
        break;
      case alClient: r = {rest.left + m, rest.top + m, rest.right - m, rest.bottom - m}; break;
      default: break;
    }
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    bool moved = r.left != old.left || r.top != old.top;
    bool resized = r.right - r.left != w || r.bottom - r.top != h;
    if (resized) child->fAlignState = (child->fAlignState & ~kRealignPending) | kSizedByParent;
    if (moved || resized) SetBounds(child, r);
    if (child->fAlignState & kRealignPending) Realign(child);
  }
}

TControl* SetAutoSize(TControl* c, bool on) {
  c->fOnTextChanged = on ? AutoSize : NoControlProc;
  if (on) AutoSize(c);
  return c;
}

void AutoSize(TControl* c) {
  TText s = c->fText;
  SIZE size = {0, 0};
  if (!s.empty()) {
    if (c->fFont && (GetFontStyle(c->fFont) & kFontItalic)) s += ' ';
    // Measured before the window exists, so that it is made at its final size.
    size = TextExtent(GetDrawContext(c), s.c_str(), static_cast<int>(s.size()));
  }
  // One read of the bounds and at most one move: this runs for every label at start-up.
  // The size follows the text from now on, whatever was given before.
  RECT bounds = GetBounds(c);
  RECT wanted = bounds;
  if (c->fAlign == alNone || c->fAlign == alLeft || c->fAlign == alRight) {
    wanted.right = wanted.left + size.cx + Scaled(c, c->fKind.AutoSizeExtraX);
    c->fGiven.given &= ~(1u << kGivenWidth);
  }
  if (c->fAlign == alNone || c->fAlign == alTop || c->fAlign == alBottom) {
    wanted.bottom = wanted.top + size.cy + Scaled(c, c->fKind.AutoSizeExtraY);
    c->fGiven.given &= ~(1u << kGivenHeight);
  }
  if (EqualRect(&wanted, &bounds)) return;
  SetBounds(c, wanted);
  if (RealignHook) RealignHook(c);
}
