#include "tests/framework/test_dialog.h"

using namespace test_dialog;

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
    ON_WM_PAINT()
    ON_CBN_SELCHANGE(IDC_LIST, OnListChange)
    ON_CBN_SELCHANGE(IDC_TYPED_LIST, OnTypedListChange)
    ON_BN_CLICKED(IDC_BUTTON, OnButton)
END_MESSAGE_MAP()

void TestDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST, list);
    DDX_Control(pDX, IDC_TYPED_LIST, typedList);
    DDX_Control(pDX, IDC_OUTPUT, output);
    DDX_Text(pDX, IDC_NUMBER, number);
    DDX_Text(pDX, IDC_BOX0, box0);
    DDX_Text(pDX, IDC_BOX1, box1);
    DDX_Radio(pDX, IDC_RADIO0, choice);
    DDX_Radio(pDX, IDC_OTHER0, otherChoice);
}

void TestDialog::OnPaint()
{
    ++paints;
    CDialog::OnPaint();
}

void TestDialog::OnListChange()
{
    notifications.push_back("list " + std::to_string(list.GetCurSel()));
}

void TestDialog::OnTypedListChange()
{
    notifications.push_back("typed " + std::to_string(typedList.GetCurSel()));
}

void TestDialog::OnButton()
{
    notifications.push_back("button");
}
