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

TEST(DrawContext, MeasuresTextInTheControlsFont) {
  TScopedForm f;
  SetFontName(GetFont(f.form), "Tahoma");
  SetFontHeight(GetFont(f.form), -11);
  TControl* label = NewLabel(f.form, "x");
  SIZE shortText = TextExtent(GetDrawContext(label), "Vorduna", 7);
  SIZE longText = TextExtent(GetDrawContext(label), "Vorduna Vorduna", 15);
  EXPECT_GT(shortText.cx, 0);
  EXPECT_GT(shortText.cy, 0);
  EXPECT_GT(longText.cx, shortText.cx);
  TDrawContext* free = NewDrawContext(nullptr);  // no window: a temporary memory context
  SIZE noWindow = TextExtent(free, "Vorduna", 7);
  EXPECT_GT(noWindow.cx, 0);
  EXPECT_EQ(free->fDC, nullptr);
  Release(free);
}
