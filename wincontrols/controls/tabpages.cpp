// Pages of the tab control: panels stacked in its display area, one visible at a time.
#include "tabpages.h"

#include <windows.h>
#include <commctrl.h>

#include "../dispatch/dispatch.h"
#include "../objects/widetext.h"
#include "align.h"
#include "constructors.h"
#include "darkpaint.h"
#include "geometry.h"
#include "navigation.h"
#include "operations.h"

namespace {
constexpr uint32_t kTabStyle =  // 0x56010000, and the focus never on a tab itself (TCS_FOCUSNEVER)
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP | TCS_FOCUSNEVER;
}  // namespace

TControl* InsertPage(TControl* tabs, int index, const char* text) {
  TControl* page = NewPanel(tabs);
  SetAlign(page, alClient);
  SetVisibleExplicit(page, GetCurIndex(tabs) < 0);
  TWideText caption = ProgramText(text ? text : "");
  TCITEMW item = {};
  item.mask = TCIF_TEXT | TCIF_PARAM;
  item.pszText = const_cast<wchar_t*>(caption.c_str());
  item.lParam = reinterpret_cast<LPARAM>(page);
  Perform(tabs, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
  Perform(tabs, WM_SIZE, 0, 0);
  return page;
}

TControl* GetPage(TControl* tabs, int index) {
  TCITEMW item = {};
  item.mask = TCIF_PARAM;
  if (!Perform(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item))) return nullptr;
  return reinterpret_cast<TControl*>(item.lParam);
}

namespace {

void PageSelected(TControl* tabs) {
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

// Attached to the tab control by its constructor.
bool PageHandler(TControl* tabs, TMsg& msg, LRESULT&) {
  switch (msg.message) {
    case WM_SIZE: {
      RECT r;
      GetClientRect(tabs->fHandle, &r);
      int w = r.right, h = r.bottom;
      SendMessageW(tabs->fHandle, TCM_ADJUSTRECT, 0, reinterpret_cast<LPARAM>(&r));
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
        if (form && form->fFocusedControl == tabs)
          PostMessageW(tabs->fHandle, WM_KEYDOWN, VK_TAB, 1);
      }
      break;
    case WM_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(msg.lParam);
      if (!hdr) break;
      if (hdr->code == static_cast<UINT>(TCN_SELCHANGING)) tabs->fCurPage = GetCurIndex(tabs);
      else if (hdr->code == static_cast<UINT>(TCN_SELCHANGE)) PageSelected(tabs);
      break;
    }
    default: break;
  }
  return false;
}

}  // namespace

TControl* NewTabControl(TControl* parent, const char* texts) {
  TControl* c = NewCommonControl(parent, WC_TABCONTROLA, kTabStyle, &TabKind, true);
  c->fExStyle &= ~WS_EX_CLIENTEDGE;
  AttachProc(c, PageHandler);
  AttachProc(c, DarkPainter);
  SetSize(c, 100, 100);
  for (int i = 0; *texts; ++i, texts += lstrlenA(texts) + 1) InsertPage(c, i, texts);
  c->fFocusKeys = kFocusTab | kFocusUpDown;
  return c;
}
