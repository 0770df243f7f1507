#include "tests/framework/noise_dialog.h"

BEGIN_MESSAGE_MAP(NoiseDialog, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_CBN_SELCHANGE(ids.regionList, OnListChange)
    ON_BN_CLICKED(ids.rest, OnRest)
    ON_CONTROL_RANGE(BN_CLICKED, kSounds[0], kSounds[1], OnSound)
    ON_COMMAND(ID_EDIT_PASTE, OnPaste)
END_MESSAGE_MAP()

void NoiseDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, ids.regionList, list);
    DDX_Control(pDX, ids.output, output);
    DDX_Text(pDX, ids.count, count);
    DDX_Radio(pDX, ids.firstLength, length);
}
