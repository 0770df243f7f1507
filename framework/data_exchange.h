#pragma once

#include "framework/cwnd.h"

// The context of one UpdateData run.
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;  // TRUE: controls to fields
    CWnd* m_pDlgWnd;
};

// Binds `control` to control `id`.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
// An integer field and an edit box that only the program writes: as signed decimal text.
void DDX_Text(CDataExchange* pDX, int id, int& value);
// A radio group that starts at control `id` and runs to the template's end; `value` is the
// position of the checked radio button among the group's radio buttons only, -1 for none.
void DDX_Radio(CDataExchange* pDX, int id, int& value);
