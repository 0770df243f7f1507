#include "pulsar/composer_dlg.h"
#include "pulsar/square1_channel.h"
#include "tests/monkey/monkey_subject.h"

using namespace pulsar;

const MonkeySubject& Subject()
{
    static const MonkeySubject subject = SubjectOf<CComposerDlg>(
        kProgram, {IDC_REGION, IDC_COUNT, IDC_BUDGET, IDC_LEN0, IDC_TOTAL, IDC_LENSEL0, IDC_OUTPUT}, false);
    return subject;
}
