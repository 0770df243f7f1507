#include "framework/data_exchange.h"

#include "framework/cwinapp.h"
#include "framework/detail/dialog_window.h"
#include "framework/detail/qt_text.h"
#include "framework/detail/window_text.h"
#include "framework/window_styles.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>

#include <charconv>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kNotAnInteger = "Please enter an integer.";

// Parses like the old platform's "%d" scan of the whole text: optional blanks, an
// optional sign, decimal digits, optional blanks, and nothing else.
std::optional<int> ParseInteger(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    if (text.starts_with('+') && !text.substr(1).starts_with('-'))
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::vector<QAbstractButton*> RadioGroupFrom(const detail::DialogWindow& dialog, int firstId)
{
    std::vector<QAbstractButton*> radios;
    bool inGroup = false;
    for (const detail::DialogControl& control : dialog.Controls()) {
        if (inGroup && (control.item->style & WS_GROUP) != 0)
            break;
        if (control.item->id == firstId)
            inGroup = true;
        if (inGroup && control.kind == detail::ControlKind::RadioButton)
            radios.push_back(static_cast<QAbstractButton*>(control.widget));
    }
    return radios;
}

// Checks radio `position` and clears the others; -1 clears them all. An exclusive group
// refuses to clear its last checked button, so exclusivity is lifted meanwhile.
void CheckOnly(const std::vector<QAbstractButton*>& radios, int position)
{
    std::set<QButtonGroup*> groups;
    for (QAbstractButton* radio : radios) {
        if (radio->group() != nullptr && radio->group()->exclusive())
            groups.insert(radio->group());
    }
    for (QButtonGroup* group : groups)
        group->setExclusive(false);
    for (std::size_t i = 0; i < radios.size(); ++i)
        radios[i]->setChecked(static_cast<int>(i) == position);
    for (QButtonGroup* group : groups)
        group->setExclusive(true);
}

}  // namespace

HWND CDataExchange::PrepareCtrl(int id)
{
    HWND control = m_pDlgWnd->GetDlgItem(id);
    if (control == nullptr)
        Fail();
    lastControl_ = control;
    lastControlIsEdit_ = false;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int id)
{
    HWND control = PrepareCtrl(id);
    lastControlIsEdit_ = true;
    return control;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && lastControlIsEdit_ && lastControl_ != nullptr) {
        lastControl_->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(lastControl_))
            edit->selectAll();
    }
    throw CUserException();
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (control.GetSafeHwnd() != nullptr)
        return;
    pDX->PrepareCtrl(id);
    if (!control.SubclassDlgItem(id, pDX->m_pDlgWnd))
        pDX->Fail();
}

void DDX_Text(CDataExchange* pDX, int id, int& value)
{
    HWND edit = pDX->PrepareEditCtrl(id);
    if (!pDX->m_bSaveAndValidate) {
        detail::SetWindowText(edit, QString::number(value));
        return;
    }
    const std::optional<int> parsed = ParseInteger(detail::ToBytes(detail::WindowText(edit)));
    if (!parsed) {
        AfxMessageBox(kNotAnInteger);
        pDX->Fail();
    }
    value = *parsed;
}

void DDX_Radio(CDataExchange* pDX, int id, int& value)
{
    HWND first = pDX->PrepareCtrl(id);
    const detail::DialogWindow* dialog = detail::DialogWindow::Of(pDX->m_pDlgWnd->GetSafeHwnd());
    const detail::DialogControl* start = detail::DialogWindow::ControlOf(first);
    if (dialog == nullptr || start == nullptr || (start->item->style & WS_GROUP) == 0)
        pDX->Fail();
    const std::vector<QAbstractButton*> radios = RadioGroupFrom(*dialog, id);
    if (!pDX->m_bSaveAndValidate) {
        CheckOnly(radios, value);
        return;
    }
    value = -1;
    for (std::size_t i = 0; i < radios.size(); ++i) {
        if (radios[i]->isChecked())
            value = static_cast<int>(i);
    }
}
