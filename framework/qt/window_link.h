#pragma once

#include <QPointer>
#include <QWidget>

namespace detail {

// A CWnd's window; it turns null by itself when the window is destroyed, so an object
// that outlives its window (or dies before it) never holds a dangling handle.
struct WindowLink {
    QPointer<QWidget> widget;
};

}  // namespace detail
