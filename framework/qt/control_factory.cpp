#include "framework/qt/control_factory.h"

#include "framework/qt/text.h"
#include "framework/window_styles.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace detail {

namespace {

bool Has(std::uint32_t style, std::uint32_t bits)
{
    return (style & bits) == bits;
}

QString CaptionOf(const DialogItemTemplate& item)
{
    return ToNative(item.caption);  // GCOVR_EXCL_BR_LINE: the sanitizer's checks
}

QWidget* CreateEdit(const DialogItemTemplate& item, QWidget* parent)
{
    auto* edit = new QLineEdit(CaptionOf(item), parent);  // GCOVR_EXCL_BR_LINE: the cleanup if the constructor throws
    edit->setReadOnly(Has(item.style, ES_READONLY));
    edit->setAlignment((Has(item.exStyle, WS_EX_RIGHT) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    edit->setFrame(Has(item.style, WS_BORDER));
    // A read-only box draws no caret: the pixel kept for it and the 2-pixel margin inside the
    // right frame go to the text, so that a right-aligned number ends where the frame begins,
    // as in the classic edit box, and three digits fit a box 15 dialog units wide.
    if (edit->isReadOnly())
        edit->setTextMargins(0, 0, -3, 0);
    return edit;
}

// The output box: read-only text the program writes, which wraps at any character (it has
// no spaces to break at).
QWidget* CreateMultiLineEdit(const DialogItemTemplate& item, QWidget* parent)
{
    // The cleanup if the constructor throws.
    auto* box = new QPlainTextEdit(CaptionOf(item), parent);  // GCOVR_EXCL_BR_LINE
    box->setReadOnly(Has(item.style, ES_READONLY));
    box->setWordWrapMode(QTextOption::WrapAnywhere);
    box->setVerticalScrollBarPolicy(Has(item.style, WS_VSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFrameShape(Has(item.style, WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
    // What it replaced is not kept for undoing.
    box->setUndoRedoEnabled(false);
    // Hex digits need no shaping and no other font than the dialog's: plain glyph look-ups
    // in one font lay a long text out faster.
    QFont plain = box->font();
    plain.setStyleStrategy(QFont::StyleStrategy(QFont::PreferNoShaping | QFont::NoFontMerging));
    box->setFont(plain);
    // The keyboard selects too (Shift with the arrow keys), not only the mouse.
    if (box->isReadOnly())
        box->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    return box;
}

QWidget* CreateComboBox(const DialogItemTemplate& item, QWidget* parent)
{
    auto* combo = new QComboBox(parent);  // GCOVR_EXCL_BR_LINE: the cleanup if the constructor throws
    // The open list drops below the box and shows the rows its template height holds, as the
    // classic list does, not every item over the box as a menu.
    combo->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    if ((item.style & CBS_TYPEMASK) == CBS_DROPDOWN) {
        // The text field takes any text, but typing never picks or adds an item.
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        // The combo box would pick the item whose text was typed when the field is left. (The
        // dialog takes Return before the field sees it.)
        QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
    }
    return combo;
}

QWidget* CreateStatic(const DialogItemTemplate& item, QWidget* parent)
{
    auto* label = new QLabel(CaptionOf(item), parent);  // GCOVR_EXCL_BR_LINE: the cleanup if the constructor throws
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QWidget* CreatePushButton(const DialogItemTemplate& item, QWidget* parent)
{
    // The cleanup if the constructor throws.
    auto* button = new QPushButton(CaptionOf(item), parent);  // GCOVR_EXCL_BR_LINE
    // The dialog decides what Enter does; no button is clicked by it behind its back.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QWidget* CreateWidget(const DialogItemTemplate& item, ControlKind kind, QWidget* parent)
{
    switch (kind) {  // GCOVR_EXCL_BR_LINE: the compiler's edge for a value no ControlKind has
    case ControlKind::PushButton: return CreatePushButton(item, parent);
    // The cleanup if the constructor throws.
    case ControlKind::RadioButton: return new QRadioButton(CaptionOf(item), parent);  // GCOVR_EXCL_BR_LINE
    case ControlKind::Edit: return CreateEdit(item, parent);
    case ControlKind::MultiLineEdit: return CreateMultiLineEdit(item, parent);
    case ControlKind::ComboBox: return CreateComboBox(item, parent);
    case ControlKind::Static: return CreateStatic(item, parent);
    }
    return nullptr;
}

Qt::FocusPolicy FocusPolicyOf(const DialogItemTemplate& item, ControlKind kind)
{
    if (kind == ControlKind::Static)
        return Qt::NoFocus;
    return Has(item.style, WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus;
}

// The template height of a combo box includes its dropped list: the closed box is as
// high as its font makes it, and the rest of the height holds the list's rows.
void PlaceComboBox(QComboBox& combo, const CRect& rect)
{
    const int closedHeight = combo.sizeHint().height();
    combo.setGeometry(rect.left, rect.top, rect.Width(), closedHeight);
    combo.addItem(QStringLiteral("Ag"));
    const int rowHeight = std::max(1, combo.view()->sizeHintForRow(0));
    combo.clear();
    // The sanitizer's checks.
    combo.setMaxVisibleItems(std::max(1, (rect.Height() - closedHeight) / rowHeight));  // GCOVR_EXCL_BR_LINE
}

}  // namespace

QWidget* CreateControl(const DialogItemTemplate& item, ControlKind kind, QWidget* parent,
                       DialogBaseUnits baseUnits)
{
    QWidget* widget = CreateWidget(item, kind, parent);
    widget->setFocusPolicy(FocusPolicyOf(item, kind));
    const CRect rect = DialogRectToPixels(item.rect, baseUnits);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        PlaceComboBox(*combo, rect);
    else
        widget->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    widget->setVisible(Has(item.style, WS_VISIBLE));
    return widget;
}

}  // namespace detail
