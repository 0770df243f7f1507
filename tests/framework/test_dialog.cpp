#include "tests/framework/test_dialog.h"

using namespace test_dialog;

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_CBN_SELCHANGE(IDC_LIST, OnListChange)
    ON_CBN_SELCHANGE(IDC_TYPED_LIST, OnTypedListChange)
    ON_BN_CLICKED(IDC_BUTTON, OnButton)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_KEY0, IDC_KEY0 + 1, OnKey)
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
