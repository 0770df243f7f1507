#include "framework/qt/balloon_tip.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>

namespace detail {

namespace {

// A label in a tooltip's window and colours, gone at the next press of a key or a button.
class BalloonTip final : public QLabel {
public:
    BalloonTip(QWidget& beside, const QString& message) : QLabel(message, &beside, Qt::ToolTip)
    {
        setWindowTitle(message);
        setForegroundRole(QPalette::ToolTipText);
        setBackgroundRole(QPalette::ToolTipBase);
        setAutoFillBackground(true);
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setMargin(4);
        setAttribute(Qt::WA_DeleteOnClose);
        adjustSize();
        move(beside.mapToGlobal(QPoint(0, beside.height())));
        qApp->installEventFilter(this);  // GCOVR_EXCL_BR_LINE: the sanitizer's checks
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            close();
            break;
        default:
            break;
        }
        return QLabel::eventFilter(watched, event);
    }
};

QPointer<BalloonTip> shown;

}  // namespace

void ShowBalloonTip(QWidget& beside, const QString& message)
{
    HideBalloonTip();
    shown = new BalloonTip(beside, message);  // GCOVR_EXCL_BR_LINE: the cleanup if the constructor throws
    shown->show();
}

void HideBalloonTip()
{
    if (shown)
        shown->close();
}

}  // namespace detail
