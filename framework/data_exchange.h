#pragma once

#include "framework/cwnd.h"

// The context of one UpdateData run.
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    // The control `id` that the next routine exchanges with; fails the exchange when the
    // dialog has no such control.
    HWND PrepareCtrl(int id);
    // Like PrepareCtrl, for an edit box whose text is parsed.
    HWND PrepareEditCtrl(int id);
    // Ends the exchange as failed; when the last control prepared was an edit box it gets
    // the focus with its text selected, so the user sees what was wrong.
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;  // TRUE: controls to fields
    CWnd* m_pDlgWnd;

private:
    HWND lastControl_ = nullptr;
    bool lastControlIsEdit_ = false;
};

// Thrown by CDataExchange::Fail and caught by UpdateData.
class CUserException {};

// Binds `control` to control `id` at the first exchange; later exchanges leave it alone.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
// An integer field and an edit box: written as signed decimal, read by parsing; text that
// is not a number is reported and fails the exchange.
void DDX_Text(CDataExchange* pDX, int id, int& value);
// A radio group that starts at control `id` (which has WS_GROUP) and runs to the next
// control with WS_GROUP; `value` is the position of the checked radio button among the
// group's radio buttons only, -1 for none.
void DDX_Radio(CDataExchange* pDX, int id, int& value);
