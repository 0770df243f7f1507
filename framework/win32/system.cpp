// The system's services that the programs call and the system does not give in their
// classic form: the clipboard's text.
#include "framework/clipboard.h"
#include "framework/win32/text.h"

BOOL AfxGetClipboardText(CString& text)
{
    text = CString();
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(nullptr))
        return FALSE;
    BOOL found = FALSE;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {  // GCOVR_EXCL_BR_LINE: the system's failures
        if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {  // GCOVR_EXCL_BR_LINE: as above
            text = CString(detail::ToUtf8(wide));
            GlobalUnlock(data);
            found = TRUE;
        }
    }
    CloseClipboard();
    return found;
}
