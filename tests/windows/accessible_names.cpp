// What a screen reader hears of the running composer programs through Windows' accessibility
// interface, asked from a process of its own as a screen reader asks: it finds each program's
// dialog by its title, asks each of its controls for its accessible object and that for its
// name, role and description. Each control must carry the name the program's description
// gives it, which the Linux build gives it too (a control the description does not name, its
// caption, as there), and no two controls may share a name but the keys that play nothing;
// its role is the one the system's standard object gives it, and a push button's description
// is its name, as its tooltip says. The rest is the system's: what a child would be called,
// no interface an accessible object lacks, the window around the control. It prints what it
// hears, one control a line, and closes each dialog.
#include "framework/detail/control_kind.h"
#include "framework/win32/text.h"
#include "tests/support/programs_under_test.h"

#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>

namespace {

// The dialog titled `title`, waited for up to 20 s.
HWND FindDialog(const std::wstring& title)
{
    for (int tries = 0; tries < 200; ++tries) {
        if (HWND dialog = FindWindowW(nullptr, title.c_str()))
            return dialog;
        Sleep(100);
    }
    return nullptr;
}

struct Heard {
    bool answered = false;
    std::string name;
    std::string description;
    long role = 0;
    // Asked beyond the control itself: the name and description of its first child, which
    // none of these controls has, and an interface no accessible object has.
    HRESULT childName = S_OK;
    HRESULT childDescription = S_OK;
    HRESULT otherInterface = S_OK;
};

// An interface no accessible object has.
constexpr GUID kNoSuchInterface = {0x6f72766f, 0x6e6f, 0x6e65, {0x6e, 0x6f, 0x20, 0x73, 0x75, 0x63, 0x68, 0x21}};

std::string Take(BSTR text)
{
    const std::string bytes = text != nullptr ? detail::ToUtf8(std::wstring_view(text, SysStringLen(text))) : std::string();
    SysFreeString(text);
    return bytes;
}

// What accessible object `object` says of itself, asked as a screen reader asks.
Heard Listen(IAccessible* object)
{
    Heard heard;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    BSTR description = nullptr;
    VARIANT role{};
    heard.answered = SUCCEEDED(object->get_accName(self, &name)) && SUCCEEDED(object->get_accRole(self, &role));
    object->get_accDescription(self, &description);
    heard.name = Take(name);
    heard.description = Take(description);
    heard.role = role.vt == VT_I4 ? role.lVal : 0;
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = 1;
    heard.childName = object->get_accName(child, &name);
    heard.childDescription = object->get_accDescription(child, &description);
    Take(name);
    Take(description);
    IUnknown* other = nullptr;
    heard.otherInterface = object->QueryInterface(kNoSuchInterface, reinterpret_cast<void**>(&other));
    if (other != nullptr)
        other->Release();
    object->Release();
    return heard;
}

// What the program's control `control` answers for its part `part` (its client area, or
// the window around it), through the message the system sends it.
Heard ListenToProgram(HWND control, LONG part = OBJID_CLIENT)
{
    IAccessible* object = nullptr;
    return SUCCEEDED(AccessibleObjectFromWindow(control, static_cast<DWORD>(part), __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&object)))
               ? Listen(object)
               : Heard{};
}

// What the system's standard object says of `control`, made here without asking the program.
Heard ListenToSystem(HWND control, LONG part = OBJID_CLIENT)
{
    IAccessible* object = nullptr;
    return SUCCEEDED(CreateStdAccessibleObject(control, part, __uuidof(IAccessible), reinterpret_cast<void**>(&object)))
               ? Listen(object)
               : Heard{};
}

// Reads every control of `subject`'s running dialog; prints what it hears and each fault, and
// returns how many it found. Then closes the dialog.
int CheckProgram(const ProgramUnderTest& subject)
{
    const DialogTemplate& dialogTemplate = subject.dialogTemplate();
    int failures = 0;
    const auto fail = [&failures](const std::string& what) {
        std::printf("FAIL: %s\n", what.c_str());
        ++failures;
    };
    HWND dialog = FindDialog(detail::ToNative(dialogTemplate.title));
    if (dialog == nullptr) {
        fail(std::string("no window titled ") + dialogTemplate.title);
        return failures;
    }
    std::printf("%s\n", dialogTemplate.title);

    std::map<int, std::string> expected;
    for (const DialogItemTemplate& item : dialogTemplate.items)
        expected[item.id] = item.caption;
    for (const ControlNameRecord& record : subject.composer.resources.Table().controlNames.front().names)
        expected[record.controlId] = record.name;
    std::map<std::string, int> names;
    std::size_t controls = 0;
    for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
        ++controls;
        const int id = GetDlgCtrlID(control);
        const std::string of = "control " + std::to_string(id) + " ";
        const auto item = std::ranges::find(dialogTemplate.items, id, &DialogItemTemplate::id);
        if (item == dialogTemplate.items.end()) {
            fail(of + "is not in the template");
            continue;
        }
        const Heard heard = ListenToProgram(control);
        const Heard system = ListenToSystem(control);
        std::printf("%d\trole %ld\t%s\n", id, heard.role, heard.name.c_str());
        if (!heard.answered)
            fail(of + "has no accessible object that names it");
        if (heard.name != expected[id])
            fail(of + "is called '" + heard.name + "', not '" + expected[id] + "'");
        if (++names[heard.name] == 2 && heard.name != "no note")
            fail(of + "has the name '" + heard.name + "' of another");
        // The rest is the system's: its role, and a description but where a tooltip says the name.
        if (heard.role == 0 || heard.role != system.role)
            fail(of + "has the role " + std::to_string(heard.role) + ", not the system's " + std::to_string(system.role));
        const bool pushButton = detail::KindOf(*item) == detail::ControlKind::PushButton;
        if (heard.description != (pushButton ? heard.name : system.description))
            fail(of + "is described as '" + heard.description + "'");
        if (heard.childName != system.childName || heard.childDescription != system.childDescription)
            fail(of + "answers for a child otherwise than the system");
        if (heard.otherInterface != E_NOINTERFACE)
            fail(of + "has an interface no accessible object has");
        // The window around the control is the system's.
        const Heard window = ListenToProgram(control, OBJID_WINDOW);
        if (const Heard systemWindow = ListenToSystem(control, OBJID_WINDOW);
            window.name != systemWindow.name || window.role != systemWindow.role)
            fail(of + "has a window called '" + window.name + "' of role " + std::to_string(window.role));
        // A list's text field is the list to a screen reader.
        if (HWND field = FindWindowExW(control, nullptr, L"Edit", nullptr); field != nullptr) {
            if (const Heard fieldHeard = ListenToProgram(field); fieldHeard.name != heard.name)
                fail(of + "has a text field called '" + fieldHeard.name + "'");
        }
    }
    if (controls != dialogTemplate.items.size())
        fail(std::to_string(controls) + " controls, not the template's " + std::to_string(dialogTemplate.items.size()));
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    return failures;
}

}  // namespace

int main()
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int failures = 0;
    for (const ProgramUnderTest& subject : ProgramsUnderTest())
        failures += CheckProgram(subject);
    CoUninitialize();
    return failures == 0 ? 0 : 1;
}
