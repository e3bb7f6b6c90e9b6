// Colours, brushes, fonts shared between equal tools, and text measured in a control's font.
#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"
#include "wincontrols/controls/constructors.h"
#include "wincontrols/controls/operations.h"
#include "wincontrols/dispatch/dispatch.h"
#include "wincontrols/gdi/color.h"
#include "wincontrols/gdi/drawcontext.h"
#include "wincontrols/gdi/gditool.h"

TEST(Color, SystemColoursResolveAtUse) {
  EXPECT_EQ(ColorToRGB(0x8000000F), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(0x80000005), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(ColorToRGB(0x00FF0000), 0x00FF0000u);
}

TEST(Color, EquallyColouredTreeSharesTheOutermostBrush) {
  TScopedForm f;
  TControl* c = f.form;
  TControl* chain[5];
  for (TControl*& link : chain) c = link = NewPanel(c);
  HBRUSH brush = GetBackgroundBrush(chain[4]);
  EXPECT_EQ(f.form->fBkBrush, brush);
  for (TControl* link : chain) {
    EXPECT_EQ(GetBackgroundBrush(link), brush);
    EXPECT_EQ(link->fBkBrush, nullptr);
  }
  SetColor(chain[2], 0x00123456);
  HBRUSH own = GetBackgroundBrush(chain[2]);
  EXPECT_NE(own, brush);
  EXPECT_EQ(chain[2]->fBkBrush, own) << "a recoloured control owns a brush of its own";
  EXPECT_NE(GetBackgroundBrush(chain[4]), own) << "its children kept the colour they copied";
}

TEST(Font, ChildSharesParentHandleUntilDescriptionsDiffer) {
  TScopedForm f;
  SetFontName(GetFont(f.form), "Tahoma");
  SetFontHeight(GetFont(f.form), -11);
  TControl* child = NewLabel(f.form, "x");
  ASSERT_NE(child->fFont, nullptr);
  EXPECT_EQ(GetToolHandle(child->fFont), GetToolHandle(f.form->fFont));
  EXPECT_EQ(child->fFont->fGdiHandle, nullptr) << "a borrowed handle is not stored";
  SetFontHeight(GetFont(f.form), -20);
  EXPECT_EQ(child->fFont->fDesc.fLogFont.lfHeight, -11) << "the child holds a copy";
  EXPECT_NE(GetToolHandle(child->fFont), GetToolHandle(f.form->fFont));
}

TEST(Font, StyleWeightsAndFaceNameLimit) {
  TGdiTool* font = NewFont();
  EXPECT_STREQ(font->fDesc.fLogFont.lfFaceName, "MS Sans Serif");
  font->fDesc.fLogFont.lfWeight = 400;
  SetFontStyle(font, kFontBold);
  EXPECT_EQ(font->fDesc.fLogFont.lfWeight, 700);
  font->fDesc.fLogFont.lfWeight = 800;
  SetFontStyle(font, 0);
  EXPECT_EQ(font->fDesc.fLogFont.lfWeight, 0);
  SetFontStyle(font, kFontItalic | kFontUnderline);
  HGDIOBJ handle = GetToolHandle(font);
  SetFontStyle(font, kFontItalic | kFontUnderline);
  EXPECT_EQ(GetToolHandle(font), handle) << "an unchanged style keeps the handle";
  EXPECT_EQ(GetFontStyle(font), kFontItalic | kFontUnderline);
  SetFontName(font, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd");
  EXPECT_EQ(std::string(font->fDesc.fLogFont.lfFaceName), "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
  Release(font);
}

namespace {
// The text as a font of the test's own measures it; with no face, the context's own font.
SIZE Measured(const char* text, LONG height, const char* face) {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font =
      face ? CreateFontA(height, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face) : nullptr;
  HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
  SIZE size = {0, 0};
  GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
  if (font) {
    SelectObject(dc, old);
    DeleteObject(font);
  }
  DeleteDC(dc);
  return size;
}
}  // namespace

TEST(DrawContext, MeasuresTextInTheControlsFontAsItChanges) {
  TScopedForm f;
  SetFontName(GetFont(f.form), "Tahoma");
  SetFontHeight(GetFont(f.form), -11);
  TControl* label = NewLabel(f.form, "x");
  SIZE small = TextExtent(GetDrawContext(label), "Vorduna", 7);
  EXPECT_EQ(small.cx, Measured("Vorduna", -11, "Tahoma").cx);
  EXPECT_EQ(small.cy, Measured("Vorduna", -11, "Tahoma").cy);
  SetFontHeight(GetFont(label), -22);
  SIZE large = TextExtent(GetDrawContext(label), "Vorduna", 7);
  EXPECT_EQ(large.cx, Measured("Vorduna", -22, "Tahoma").cx) << "the context follows the font";
  EXPECT_GT(large.cx, small.cx);
  TDrawContext* free = NewDrawContext();  // no control, no font
  EXPECT_EQ(TextExtent(free, "Vorduna", 7).cx, Measured("Vorduna", 0, nullptr).cx);
  Release(free);
}
