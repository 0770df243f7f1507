#pragma once

// The handles of the Qt backend: the toolkit's objects behind them.
class QWidget;
class QPainter;
struct IconObject;

using HWND = QWidget*;
using HDC = QPainter*;
using HICON = const IconObject*;

// The metric `index` (framework/system_metrics.h); 0 for one the backend does not know.
int GetSystemMetrics(int index);
// Sounds the system's alert (the toolkit has one sound for every `type`).
BOOL MessageBeep(UINT type);
