// What a screen reader hears of a control that has no text of its own to name it (a combo box,
// an edit field).
#pragma once
#include "../objects/control.h"

// Names an edit or a combo box, before its window is made: a static label without WS_VISIBLE,
// made now in the parent so that it comes just before the control in z-order, where the rule
// of Windows' accessibility (MSAA and UI Automation alike) looks for a name; and the control's
// own answer to WM_GETOBJECT, the standard accessible object with that name (for clients that
// do not follow the rule, Wine's among them). The label is no control of the layer: it has no
// identifier of the window's series, no place in the tab order, and it paints nothing.
void SetAccessibleName(TControl* c, const TText& name);
