#include "rustle/composer_dlg.h"
#include "rustle/noise_channel.h"
#include "tests/monkey/monkey_subject.h"

using namespace rustle;

const MonkeySubject& Subject()
{
    static const MonkeySubject subject = SubjectOf<CComposerDlg>(
        kProgram, {IDC_REGION, IDC_COUNT, IDC_BUDGET, IDC_LEN0, IDC_TOTAL, IDC_LENSEL0, IDC_OUTPUT}, true);
    return subject;
}
