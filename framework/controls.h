#pragma once

#include "framework/cwnd.h"

// A combo box: a list of strings with one selected item.
class CComboBox : public CWnd {
public:
    int GetCount() const;
    int GetCurSel() const;  // -1 when no item is selected
    // Selects item `index` without notifying the dialog; -1 clears the selection.
    // Returns CB_ERR when `index` names no item.
    int SetCurSel(int index);
    // Adds `text`, at its sorted place when the list sorts; returns its index.
    int AddString(const char* text);
    void GetLBText(int index, CString& text) const;

    const char* ControlClass() const override { return "COMBOBOX"; }
};

// An edit box, single-line or multi-line.
class CEdit : public CWnd {
public:
    const char* ControlClass() const override { return "EDIT"; }
};
