#include "framework/qt/dialog_window.h"

#include "framework/cdialog.h"
#include "framework/detail/edit_menu.h"
#include "framework/qt/modeless_dialog.h"
#include "framework/qt/control_factory.h"
#include "framework/qt/dialog_font.h"
#include "framework/qt/icon_object.h"
#include "framework/qt/list_keys.h"
#include "framework/qt/text.h"
#include "framework/win_constants.h"
#include "framework/window_styles.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>

#include <utility>

namespace detail {

namespace {

Qt::WindowFlags WindowFlagsOf(std::uint32_t style)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if ((style & WS_CAPTION) == WS_CAPTION)
        flags |= Qt::WindowTitleHint;
    if ((style & WS_SYSMENU) != 0)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}

bool IsEnterKey(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

bool IsUnmodified(const QKeyEvent& event)
{
    return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool IsArrowKey(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Left || event.key() == Qt::Key_Right || event.key() == Qt::Key_Up ||
           event.key() == Qt::Key_Down;
}

// A box that shows what the program wrote: a paste there goes to the dialog.
bool IsReadOnlyBox(const DialogControl& control)
{
    return control.kind == ControlKind::MultiLineEdit && (control.item->style & ES_READONLY) != 0;
}

}  // namespace

DialogWindow::DialogWindow(CDialog& owner, const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent, WindowFlagsOf(dialogTemplate.style)),
      DialogWindowBase(dialogTemplate.items),
      owner_(owner)
{
    setWindowTitle(ToNative(dialogTemplate.title != nullptr ? dialogTemplate.title : ""));
    setFont(MakeDialogFont(dialogTemplate.font));
    baseUnits_ = BaseUnitsOf(font());
    // The client area is exactly the template's size, and stays so.
    const CRect client = DialogRectToPixels({0, 0, dialogTemplate.rect.cx, dialogTemplate.rect.cy}, baseUnits_);
    setFixedSize(client.Width(), client.Height());
}

std::unique_ptr<DialogWindow> DialogWindow::Create(CDialog& owner, int templateId)
{
    const DialogTemplate* dialogTemplate = AfxFindDialogTemplate(templateId);
    if (dialogTemplate == nullptr)
        return nullptr;
    // The cleanup if the constructor throws.
    std::unique_ptr<DialogWindow> window(new DialogWindow(owner, *dialogTemplate, nullptr));  // GCOVR_EXCL_BR_LINE
    window->BuildControls(*dialogTemplate);
    window->NameControls(AfxFindControlNames(templateId));
    owner.AttachWindow(window.get());
    owner.OnInitDialog();
    return window;
}

BOOL DialogWindow::CreateModeless(CDialog& owner)
{
    std::unique_ptr<DialogWindow> window = Create(owner, owner.templateId_);
    if (!window)
        return FALSE;
    window->show();
    owner.window_ = std::move(window);
    return TRUE;
}

const DialogWindow& DialogWindow::WindowOf(const CDialog& owner)
{
    return static_cast<const DialogWindow&>(*owner.window_);  // GCOVR_EXCL_BR_LINE: the sanitizer's checks
}

void DialogWindow::BuildControls(const DialogTemplate& dialogTemplate)
{
    for (const DialogItemTemplate& item : dialogTemplate.items) {
        const ControlKind kind = KindOf(item);
        controls_.push_back({&item, kind, CreateControl(item, kind, this, baseUnits_)});
    }
    // Tab visits the controls in the order they were made, the template's.
    for (const DialogControl& control : controls_) {
        control.window->installEventFilter(this);
        if (auto* combo = qobject_cast<QComboBox*>(control.window)) {
            if (combo->lineEdit() != nullptr)
                combo->lineEdit()->installEventFilter(this);
            // Before the open list's own handling, which view() makes.
            combo->view()->installEventFilter(this);
            combo->view()->window()->installEventFilter(this);
        }
        ConnectNotifications(control);
    }
}

void DialogWindow::ConnectNotifications(const DialogControl& control)
{
    const int id = control.item->id;
    if (auto* button = qobject_cast<QAbstractButton*>(control.window)) {
        connect(button, &QAbstractButton::clicked, this, [this, id] { Notify(id, BN_CLICKED); });
    } else if (auto* combo = qobject_cast<QComboBox*>(control.window)) {
        // Only a choice the user made.
        connect(combo, &QComboBox::activated, this, [this, id] { Notify(id, CBN_SELCHANGE); });
    } else if (IsReadOnlyBox(control)) {
        auto* box = static_cast<QPlainTextEdit*>(control.window);  // GCOVR_EXCL_BR_LINE: the sanitizer's checks
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QWidget::customContextMenuRequested, this, [this, box](QPoint at) { ShowEditMenu(*box, at); });
    }
}

// The menu of a read-only multi-line box, at `at` in its viewport: copy the selection, the
// dialog's paste, select the whole text.
void DialogWindow::ShowEditMenu(QPlainTextEdit& box, QPoint at)
{
    QMenu menu(&box);
    for (const EditMenuItem& item : kEditMenu) {
        QAction* action = menu.addAction(ToNative(item.caption));  // GCOVR_EXCL_BR_LINE: the sanitizer's checks
        if (item.command == ID_EDIT_COPY) {
            action->setEnabled(box.textCursor().hasSelection());
            connect(action, &QAction::triggered, &box, &QPlainTextEdit::copy);
        } else if (item.command == ID_EDIT_SELECT_ALL) {
            connect(action, &QAction::triggered, &box, &QPlainTextEdit::selectAll);
        } else {
            connect(action, &QAction::triggered, this, [this, command = item.command] { Notify(command, BN_CLICKED); });
        }
    }
    menu.exec(box.viewport()->mapToGlobal(at));
}

void DialogWindow::Notify(int id, int code)
{
    owner_.OnCmdMsg(id, code);
}

DialogWindow* DialogWindow::Of(HWND window)
{
    return dynamic_cast<DialogWindow*>(window);
}

const DialogControl* DialogWindow::ControlOf(const QWidget* widget)
{
    // Asked about a dialog's control or a part of one only: the loops end at a return.
    for (const QWidget* ancestor = widget; ancestor != nullptr; ancestor = ancestor->parentWidget()) {  // GCOVR_EXCL_BR_LINE
        const DialogWindow* dialog = Of(ancestor->parentWidget());
        if (dialog == nullptr)  // GCOVR_EXCL_BR_LINE: as above
            continue;
        for (const DialogControl& control : dialog->controls_) {  // GCOVR_EXCL_BR_LINE: as above
            if (control.window == ancestor)
                return &control;
        }
        return nullptr;
    }
    return nullptr;
}

const DialogControl* DialogWindow::FindControl(int id) const
{
    for (const DialogControl& control : controls_) {
        if (control.item->id == id)
            return &control;
    }
    return nullptr;
}

void DialogWindow::NameControls(std::span<const ControlNameRecord> names)
{
    for (const ControlNameRecord& record : names) {
        const DialogControl* control = FindControl(record.controlId);
        const QString name = ToNative(record.name);  // GCOVR_EXCL_BR_LINE: the sanitizer's checks
        control->window->setAccessibleName(name);
        // On some platforms a combo box is announced by its selected item rather than its
        // name; the description still says what the list is for.
        if (control->kind == ControlKind::ComboBox)
            control->window->setAccessibleDescription(name);
        // A button's caption is a single letter or none: the pointer resting on it shows
        // what it plays or does.
        if (control->kind == ControlKind::PushButton)
            control->window->setToolTip(name);
    }
}

void DialogWindow::SetIcon(HICON icon)
{
    QIcon windowIcon;
    windowIcon.addPixmap(QPixmap::fromImage(icon->standard));
    windowIcon.addPixmap(QPixmap::fromImage(icon->small));
    setWindowIcon(windowIcon);
}

bool DialogWindow::HandleDialogKey(QKeyEvent* event, const DialogControl* focusControl)
{
    if (event->key() == Qt::Key_Escape && IsUnmodified(*event)) {
        Notify(IDCANCEL, BN_CLICKED);
        return true;
    }
    if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::AltModifier) {
        close();  // the system menu's Close
        return true;
    }
    if (event->key() == Qt::Key_F1 && IsUnmodified(*event)) {
        Notify(ID_HELP, BN_CLICKED);
        return true;
    }
    if (focusControl != nullptr && IsReadOnlyBox(*focusControl) && event->matches(QKeySequence::Paste)) {
        Notify(ID_EDIT_PASTE, BN_CLICKED);
        return true;
    }
    if (focusControl != nullptr && HandleControlKey(*event, *focusControl))
        return true;
    if (!IsEnterKey(*event) || !IsUnmodified(*event))
        return false;
    if (focusControl != nullptr && focusControl->kind == ControlKind::PushButton) {
        static_cast<QAbstractButton*>(focusControl->window)->click();  // GCOVR_EXCL_BR_LINE: the sanitizer's checks
        return true;
    }
    if (focusControl != nullptr && focusControl->kind == ControlKind::MultiLineEdit &&
        (focusControl->item->style & ES_WANTRETURN) != 0) {
        // The box takes Return as text; a read-only one does nothing with it.
        // The sanitizer's checks.
        return static_cast<QPlainTextEdit*>(focusControl->window)->isReadOnly();  // GCOVR_EXCL_BR_LINE
    }
    Notify(IDOK, BN_CLICKED);
    return true;
}

// The keys the classic dialog manager and list give a meaning the toolkit's controls do not:
// arrow keys on a button move through its group of controls; the keys of a closed list pick
// its items as the classic list does (list_keys.h).
bool DialogWindow::HandleControlKey(const QKeyEvent& event, const DialogControl& control)
{
    if (IsArrowKey(event) && IsUnmodified(event) &&
        (control.kind == ControlKind::PushButton || control.kind == ControlKind::RadioButton)) {
        MoveInGroup(control, event.key() == Qt::Key_Left || event.key() == Qt::Key_Up);
        return true;
    }
    if (control.kind != ControlKind::ComboBox)
        return false;
    auto& list = *static_cast<QComboBox*>(control.window);
    const std::optional<int> item = ItemAfterKey(list, list.currentIndex(), event);
    if (!item)
        return false;
    if (*item != list.currentIndex()) {
        list.setCurrentIndex(*item);
        Notify(control.item->id, CBN_SELCHANGE);
    }
    return true;
}

// In the open list the keys browse as on the closed list, but a typed character takes the
// item it finds at once, as Enter takes it. A list with a text field leaves characters and
// the keys of the caret to the field.
bool DialogWindow::HandleOpenListKey(QKeyEvent& event, QComboBox& list)
{
    QAbstractItemView& view = *list.view();
    const int row = view.currentIndex().row();
    const auto browse = [&](int item) { view.setCurrentIndex(view.model()->index(item, list.modelColumn())); };
    const bool field = list.lineEdit() != nullptr;
    if (IsTypedCharacter(event) && !field) {
        if (const std::optional<int> found = ItemStartingWith(list, row, event.text())) {
            browse(*found);
            QKeyEvent take(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(&view, &take);
        }
        return true;
    }
    if (const std::optional<int> item = ItemAfterKey(list, row, event)) {
        browse(*item);
        return true;
    }
    if (!field || !(IsTypedCharacter(event) || IsCaretKey(event)))
        return false;
    QCoreApplication::sendEvent(list.lineEdit(), &event);
    return true;
}

QComboBox* DialogWindow::OpenListOf(QObject* watched) const
{
    for (const DialogControl& control : controls_) {
        auto* list = qobject_cast<QComboBox*>(control.window);
        if (list != nullptr && (list->view() == watched || list->view()->window() == watched))
            return list;
    }
    return nullptr;
}

// The focus goes to the next (or previous) control of the group, round within it and past
// static text, as the dialog manager moves it; an automatic radio button it reaches unchecked
// is clicked. A group starts at a control with WS_GROUP and runs to the next one.
void DialogWindow::MoveInGroup(const DialogControl& from, bool backwards)
{
    const auto startsGroup = [this](std::ptrdiff_t i) {
        return (controls_[static_cast<std::size_t>(i)].item->style & WS_GROUP) != 0;
    };
    const std::ptrdiff_t at = &from - controls_.data();
    std::ptrdiff_t first = at;
    while (first > 0 && !startsGroup(first))
        --first;
    std::ptrdiff_t end = at + 1;
    while (end < std::ssize(controls_) && !startsGroup(end))
        ++end;
    const std::ptrdiff_t size = end - first;
    for (std::ptrdiff_t step = 1; step < size; ++step) {
        const std::ptrdiff_t offset = (at - first + (backwards ? size - step : step)) % size;
        const DialogControl& next = controls_[static_cast<std::size_t>(first + offset)];
        if (next.kind == ControlKind::Static || !next.window->isVisible() || !next.window->isEnabled())
            continue;
        next.window->setFocus(Qt::OtherFocusReason);
        auto* radio = next.kind == ControlKind::RadioButton ? static_cast<QAbstractButton*>(next.window) : nullptr;
        if (radio != nullptr && !radio->isChecked())
            radio->click();
        return;
    }
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The wheel turns the list that has the keyboard focus, never one the pointer passes
    // over: its change would throw the composition away.
    if (auto* list = event->type() == QEvent::Wheel ? qobject_cast<QComboBox*>(watched) : nullptr)
        return !list->hasFocus();
    // The open list starts on the item the list shows, and a text field shows its label
    // again: what was typed there selects nothing.
    if (QComboBox* list = event->type() == QEvent::Show ? OpenListOf(watched) : nullptr; list && list->lineEdit())
        list->lineEdit()->setText(list->itemText(list->currentIndex()));
    if (event->type() == QEvent::KeyPress) {
        if (auto* list = OpenListOf(watched))
            return HandleOpenListKey(*static_cast<QKeyEvent*>(event), *list);
        // Only controls and their parts, and the open lists, are watched.
        if (const DialogControl* control = ControlOf(qobject_cast<QWidget*>(watched)))  // GCOVR_EXCL_BR_LINE
            // The sanitizer's checks.
            return HandleDialogKey(static_cast<QKeyEvent*>(event), control);  // GCOVR_EXCL_BR_LINE
    }
    return QDialog::eventFilter(watched, event);
}

void DialogWindow::keyPressEvent(QKeyEvent* event)
{
    if (!HandleDialogKey(event, nullptr))
        QDialog::keyPressEvent(event);
}

void DialogWindow::closeEvent(QCloseEvent* event)
{
    // The close box asks; the dialog's own handling decides whether it ends.
    event->ignore();
    Notify(IDCANCEL, BN_CLICKED);
}

void DialogWindow::reject()
{
    Notify(IDCANCEL, BN_CLICKED);
}

void DialogWindow::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    owner_.SendMessage(WM_PAINT);
}

}  // namespace detail

BOOL CreateModeless(CDialog& dialog)
{
    return detail::DialogWindow::CreateModeless(dialog);
}

DialogBaseUnits GetDialogBaseUnits(const CDialog& dialog)
{
    return detail::DialogWindow::WindowOf(dialog).BaseUnits();
}
