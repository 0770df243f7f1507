#include "tests/support/widget_driver.h"

#include "framework/qt/modeless_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>


bool HasFocus(const CWnd& dialog, int id)
{
    return QApplication::focusWidget() != nullptr && QApplication::focusWidget() == dialog.GetDlgItem(id);
}

namespace {

// Makes `window` the active window, as the user's click on it would.
bool Activate(QWidget* window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

}  // namespace

void FocusControl(const CWnd& dialog, int id)
{
    QWidget* control = dialog.GetDlgItem(id);
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(Activate(control->window()));
    control->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(HasFocus(dialog, id));
}

void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = QApplication::focusWidget();
    if (QWidget* popup = QApplication::activePopupWidget())
        target = popup->focusWidget() != nullptr ? popup->focusWidget() : popup;
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key, modifiers);
}

void TypeText(const QString& text)
{
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    for (const QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(target, character.toLatin1());
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(character));
            QApplication::sendEvent(target, &commit);
        }
    }
}

bool ShowActive(CDialog& dialog)
{
    return CreateModeless(dialog) && Activate(dialog.GetSafeHwnd());
}

void ClickControl(const CWnd& dialog, int id)
{
    QWidget* control = dialog.GetDlgItem(id);
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(Activate(control->window()));
    QTest::mouseClick(control, Qt::LeftButton);
}

void PickListItem(const CWnd& dialog, int id, int index)
{
    auto* list = qobject_cast<QComboBox*>(dialog.GetDlgItem(id));
    ASSERT_NE(list, nullptr);
    FocusControl(dialog, id);
    PressKey(Qt::Key_F4);
    ASSERT_TRUE(list->view()->isVisible()) << "the list did not open";
    QAbstractItemView* view = list->view();
    const QModelIndex item = view->model()->index(index, 0);
    ASSERT_TRUE(item.isValid()) << "no item " << index;
    view->scrollTo(item);
    const QPoint centre = view->visualRect(item).center();
    ASSERT_TRUE(view->viewport()->rect().contains(centre));
    QTest::mouseMove(view->viewport(), centre);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

void WhenModalDialogIsActive(std::function<void(QWidget* dialog)> action)
{
    QTimer::singleShot(0, [action = std::move(action)] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(Activate(dialog));
        action(dialog);
    });
}
