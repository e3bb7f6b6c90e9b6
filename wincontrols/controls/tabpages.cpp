#include "tabpages.h"

#include <windows.h>
#include <commctrl.h>

#include "../dispatch/dispatch.h"
#include "constructors.h"
#include "geometry.h"
#include "navigation.h"
#include "operations.h"

namespace {
const int32_t kTabOptions[] = {
    TCS_BUTTONS, TCS_FIXEDWIDTH, ~static_cast<int32_t>(TCS_FOCUSNEVER), TCS_FIXEDWIDTH | TCS_FORCEICONLEFT,
    TCS_FIXEDWIDTH | TCS_FORCELABELLEFT, TCS_MULTILINE, TCS_MULTISELECT, 0, TCS_SCROLLOPPOSITE,
    TCS_BOTTOM, TCS_VERTICAL, TCS_FLATBUTTONS, TCS_HOTTRACK, 0, TCS_OWNERDRAWFIXED};
constexpr uint32_t kTabStyle = 0x56010000;
}  // namespace

TControl* InsertPage(TControl* tabs, int index, const char* text, int image) {
  TControl* page = NewPanel(tabs, 2);
  SetAlign(page, alClient);
  SetVisibleExplicit(page, GetCurIndex(tabs) < 0);
  TCITEMA item = {};
  item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
  item.pszText = const_cast<char*>(text ? text : "");
  item.iImage = image;
  item.lParam = reinterpret_cast<LPARAM>(page);
  Perform(tabs, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
  Perform(tabs, WM_SIZE, 0, 0);
  return page;
}

TControl* GetPage(TControl* tabs, int index) {
  TCITEMA item = {};
  item.mask = TCIF_PARAM;
  if (!Perform(tabs, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item))) return nullptr;
  return reinterpret_cast<TControl*>(item.lParam);
}

static void PageSelected(TControl* tabs) {
  int now = GetCurIndex(tabs);
  bool same = tabs->fCurPage == now;
  if (!same && tabs->fCurPage >= 0)
    if (TControl* old = GetPage(tabs, tabs->fCurPage)) SetVisibleExplicit(old, false);
  tabs->fCurPage = now;
  if (TControl* page = GetPage(tabs, now)) {
    SetVisibleExplicit(page, true);
    BringToFront(page);
  }
  if (!same && tabs->fOnSelChange.IsSet()) tabs->fOnSelChange.code(tabs->fOnSelChange.data, tabs);
  TControl* form = ParentForm(tabs);
  if (tabs->fNavKeyHandler && form && form->fFocusedControl != tabs) {
    // Into the page just shown, as a Tab press from the tab control would go.
    form->fFocusedControl = tabs;
    tabs->fNavKeyHandler(tabs, VK_TAB, false);
  }
}

bool PageHandler(TControl* tabs, TMsg& msg, LRESULT&) {
  switch (msg.message) {
    case WM_SIZE: {
      RECT r;
      GetClientRect(tabs->fHandle, &r);
      int w = r.right, h = r.bottom;
      SendMessageA(tabs->fHandle, TCM_ADJUSTRECT, 0, reinterpret_cast<LPARAM>(&r));
      tabs->fMarginLeft = r.left;
      tabs->fMarginTop = r.top;
      tabs->fMarginRight = w - r.right;
      tabs->fMarginBottom = h - r.bottom;
      int current = GetCurIndex(tabs);
      int count = ItemCount(tabs);
      for (int i = 0; i < count; ++i) {
        if (i == current) continue;  // placed by alignment
        if (TControl* page = GetPage(tabs, i)) SetBounds(page, ClientRect(tabs));
      }
      break;
    }
    case WM_SHOWWINDOW:
      if (msg.wParam) {
        TControl* form = ParentForm(tabs);
        if (form && form->fFocusedControl == tabs) PostMessageA(tabs->fHandle, WM_KEYDOWN, VK_TAB, 1);
      }
      break;
    case WM_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(msg.lParam);
      if (!hdr) break;
      if (hdr->code == static_cast<UINT>(TCN_SELCHANGING)) tabs->fCurPage = GetCurIndex(tabs);
      else if (hdr->code == static_cast<UINT>(TCN_SELCHANGE)) PageSelected(tabs);
      break;
    }
    default:
      break;
  }
  return false;
}

TControl* NewTabControl(TControl* parent, const char* const* texts, int lastIndex,
                        int firstImage, HIMAGELIST images, uint32_t options) {
  uint32_t style = static_cast<uint32_t>(OptionsToStyle(options, kTabOptions, 15));
  if (options & Opt(toFocusable)) style |= TCS_FOCUSONBUTTONDOWN;
  TControl* c = NewCommonControl(parent, WC_TABCONTROLA, style | kTabStyle, &TabKind, true);
  if (!(options & Opt(toClientEdge))) c->fExStyle &= ~WS_EX_CLIENTEDGE;
  AttachProc(c, PageHandler);
  SetDefaultSize(c, 100, 100);
  if (images) Perform(c, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  for (int i = 0; i <= lastIndex; ++i) InsertPage(c, i, texts[i], firstImage + i);
  c->fFocusKeys = kFocusTab | kFocusUpDown;
  return c;
}
