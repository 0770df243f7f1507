#include "twinwave/composer_dlg.h"
#include "twinwave/square2_triangle.h"
#include "tests/monkey/monkey_subject.h"

using namespace twinwave;

const MonkeySubject& Subject()
{
    static const MonkeySubject subject = SubjectOf<CComposerDlg>(
        kProgram, {IDC_REGION, IDC_COUNT, IDC_BUDGET, IDC_LEN0, IDC_TOTAL, IDC_LENSEL0, IDC_OUTPUT}, false);
    return subject;
}
