#pragma once

#include "framework/framework.h"

#include <string>
#include <vector>

// A small dialog with one control of every kind the framework builds: a sorted drop-down
// list, an unsorted editable drop-down, number boxes, a radio group whose buttons are
// interleaved with edit boxes, a second radio group, push buttons and an output box.
namespace test_dialog {

inline constexpr int IDD_TEST = 200;
// Initialisation data that cannot be delivered: for a number box, for no control, and
// with a message word other than adding a string.
inline constexpr int IDD_INIT_FOR_EDIT = 201;
inline constexpr int IDD_INIT_FOR_NOTHING = 202;
inline constexpr int IDD_INIT_UNKNOWN = 203;

inline constexpr int IDC_LIST = 300;
inline constexpr int IDC_TYPED_LIST = 301;
inline constexpr int IDC_NUMBER = 302;
inline constexpr int IDC_RADIO0 = 310;  // IDC_RADIO0 + i is radio i of the first group
inline constexpr int IDC_BOX0 = 320;
inline constexpr int IDC_BOX1 = 321;
inline constexpr int IDC_BUTTON = 330;  // has a handler of its own
inline constexpr int IDC_KEY0 = 331;    // IDC_KEY0 and IDC_KEY0 + 1 share one handler
inline constexpr int IDC_SILENT = 333;  // has none, next to that range
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

    // "list 2", "typed 0", "button", "key 331": the notifications that reached a handler.
    std::vector<std::string> notifications;
    int paints = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void OnPaint()
    {
        ++paints;
        CDialog::OnPaint();
    }
    HCURSOR OnQueryDragIcon() { return AfxGetApp()->LoadIcon(128); }
    void OnListChange() { notifications.push_back("list " + std::to_string(list.GetCurSel())); }
    void OnTypedListChange() { notifications.push_back("typed " + std::to_string(typedList.GetCurSel())); }
    void OnButton() { notifications.emplace_back("button"); }
    void OnKey(UINT id) { notifications.push_back("key " + std::to_string(id)); }

    DECLARE_MESSAGE_MAP()
};
