#pragma once

#include "framework/cwnd.h"

// A combo box: a list of strings with one selected item.
class CComboBox : public CWnd {
public:
    int GetCurSel() const;  // -1 when no item is selected
    // Selects item `index` without notifying the dialog; -1, or an index that names no
    // item, clears the selection.
    void SetCurSel(int index);
};

// An edit box, single-line or multi-line.
class CEdit : public CWnd {
public:
    // Shows `text` in a balloon at the box's lower edge, under `title` unless it is empty,
    // until the next click or key anywhere in the program, or HideBalloonTip. The balloon's
    // window is named after the text. At most one balloon shows at a time.
    BOOL ShowBalloonTip(const char* title, const char* text);
    BOOL HideBalloonTip();
};
