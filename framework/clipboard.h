#pragma once

#include "framework/cstring.h"
#include "framework/win_types.h"

// The text on the system's clipboard, as UTF-8 in `text`; FALSE, with `text` empty, when the
// clipboard holds no text.
BOOL AfxGetClipboardText(CString& text);
