#pragma once

#include "framework/framework.h"

#include <string>
#include <vector>

// A small dialog with one control of every kind the framework builds: a sorted drop-down
// list, an unsorted editable drop-down, number boxes, a radio group whose buttons are
// interleaved with edit boxes, a second radio group, push buttons and an output box.
namespace test_dialog {

inline constexpr int IDD_TEST = 200;
inline constexpr int IDD_BAD_INIT = 201;      // its initialisation data names an edit box
inline constexpr int IDD_UNSUPPORTED = 202;   // asks for a control class the framework lacks
inline constexpr int IDD_MISSING = 299;       // no such template

inline constexpr int IDC_LIST = 300;
inline constexpr int IDC_TYPED_LIST = 301;
inline constexpr int IDC_NUMBER = 302;
inline constexpr int IDC_RADIO0 = 310;  // IDC_RADIO0 + i is radio i of the first group
inline constexpr int IDC_BOX0 = 320;
inline constexpr int IDC_BOX1 = 321;
inline constexpr int IDC_BUTTON = 330;  // has a handler
inline constexpr int IDC_SILENT = 331;  // has none
inline constexpr int IDC_OUTPUT = 340;
inline constexpr int IDC_OTHER0 = 350;  // IDC_OTHER0 + i is radio i of the second group

}  // namespace test_dialog

class TestDialog : public CDialog {
public:
    explicit TestDialog(int templateId = test_dialog::IDD_TEST) : CDialog(templateId) {}

    CComboBox list;
    CComboBox typedList;
    CEdit output;
    int number = 0;
    int box0 = 0;
    int box1 = 0;
    int choice = -1;
    int otherChoice = -1;

    // "list 2", "typed 0", "button": the notifications that reached a handler.
    std::vector<std::string> notifications;
    int paints = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void OnPaint();
    void OnListChange();
    void OnTypedListChange();
    void OnButton();

    DECLARE_MESSAGE_MAP()
};
