#pragma once

#include "framework/detail/backend.h"
#include "framework/detail/control_kind.h"
#include "framework/win32/windows_api.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace detail {

// The window of a CDialog: made by the system's dialog manager from the template in
// memory, which then also runs the dialog keyboard interface. It hands commands and the
// messages of the owner's message map to its CDialog, binds the owner and runs its
// OnInitDialog when the controls exist.
class DialogWindow final : public DialogWindowBase {
public:
    DialogWindow(CDialog& owner, int templateId, const DialogTemplate& dialogTemplate);

    // Makes the window and runs it modally until it ends; returns its end code.
    int RunModal() override;
    void EndModal(int result) override;

    // The window behind dialog `window`; nullptr before it is initialised.
    static DialogWindow* Of(HWND window);
    // The answer to WM_GETOBJECT sent to `window`, control `control` of the dialog or a part
    // of it: the accessible object named as the program names the control; 0, the system's
    // own answer, for a control without a name.
    LRESULT AccessibleObject(HWND window, HWND control, WPARAM wParam, LPARAM lParam) const;

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL Initialise(HWND window);
    // The kind of control of the dialog `control` is; Static for any other window.
    ControlKind KindOfControl(HWND control) const;
    // Shows each push button's name as its tooltip, and names the buttons for screen readers.
    void NameControls();
    // The answer to DM_GETDEFID.
    BOOL FocusedButtonAsDefault();
    // Whether a list's notification `code` is part of browsing its open drop-down part, which
    // the owner does not hear of.
    bool BrowsedInOpenList(HWND list, int code);

    // The list whose drop-down part is open, the item it opened on, and whether the user took
    // the item it is closing on.
    struct OpenList {
        HWND list = nullptr;
        int openedOn = -1;
        bool taken = false;
    };

    CDialog& owner_;
    int templateId_;
    std::vector<std::uint16_t> memoryTemplate_;
    HWND window_ = nullptr;
    bool painted_ = false;
    OpenList openList_;
};

}  // namespace detail
