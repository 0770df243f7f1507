// The system's services that the programs call, from the toolkit: its metrics, its alert
// and its clipboard.
#include "framework/clipboard.h"
#include "framework/qt/text.h"
#include "framework/system_metrics.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

int GetSystemMetrics(int index)
{
    switch (index) {  // GCOVR_EXCL_BR_LINE: the programs ask for the icons' sizes only
    case SM_CXICON:
    case SM_CYICON: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    default: return 0;
    }
}

BOOL MessageBeep(UINT /*type*/)
{
    QApplication::beep();
    return TRUE;
}

BOOL AfxGetClipboardText(CString& text)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    // The toolkit's clipboard always has data.
    const bool hasText = data != nullptr && data->hasText();  // GCOVR_EXCL_BR_LINE
    text = CString(hasText ? detail::ToUtf8(data->text()) : std::string());
    return hasText ? TRUE : FALSE;
}
