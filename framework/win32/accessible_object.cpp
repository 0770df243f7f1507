// A control's accessible object: the system's standard one, but for the name and description
// the program gives the control. The standard object takes a button's name from its caption
// ("Radio1", a single letter or none) and a box's from the text before it ("/").
#include "framework/win32/accessible_object.h"

#include <oleacc.h>

#include <atomic>
#include <new>
#include <utility>

namespace detail {

namespace {

// The system's accessibility functions, from its libraries loaded when a screen reader first
// asks for an object: a program that is never asked maps neither them nor the COM libraries
// they bring (under Wine 0.6 MB, a fortieth of the program's memory). Null where the system
// lacks one.
struct Accessibility {
    decltype(&CreateStdAccessibleObject) createStandardObject = nullptr;
    decltype(&LresultFromObject) lresultFromObject = nullptr;
    decltype(&SysAllocStringLen) allocString = nullptr;
};

template <typename Function>
void Find(HMODULE library, const char* name, Function& function)
{
    if (library != nullptr)  // GCOVR_EXCL_BR_LINE: Windows and Wine have both libraries
        function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

const Accessibility& System()
{
    static const Accessibility functions = [] {
        Accessibility found;
        HMODULE oleacc = LoadLibraryExW(L"oleacc.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        HMODULE oleaut32 = LoadLibraryExW(L"oleaut32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        Find(oleacc, "CreateStdAccessibleObject", found.createStandardObject);
        Find(oleacc, "LresultFromObject", found.lresultFromObject);
        Find(oleaut32, "SysAllocStringLen", found.allocString);
        return found;
    }();  // GCOVR_EXCL_BR_LINE: the guard of a static
    return functions;
}

bool IsSelf(const VARIANT& child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT Answer(const std::wstring& text, BSTR* answer)
{
    const auto allocString = System().allocString;  // found before any object was made
    // The marshaller passes no null out-pointer, and the function was found with the others.
    if (answer == nullptr || allocString == nullptr)  // GCOVR_EXCL_BR_LINE
        return E_POINTER;
    *answer = allocString(text.data(), static_cast<UINT>(text.size()));
    return *answer != nullptr ? S_OK : E_OUTOFMEMORY;  // GCOVR_EXCL_BR_LINE: out of memory
}

// An object of its own identity that hands every question to the standard object but its
// own name and description. (MinGW-w64's IID_IAccessible is oleacc's exported data seen
// through an import thunk, not the GUID: __uuidof gives the GUID.)
class NamedAccessible final : public IAccessible {
public:
    NamedAccessible(IAccessible* standard, std::wstring name, std::wstring description)
        : standard_(standard), name_(std::move(name)), description_(std::move(description))
    {
    }
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (object == nullptr)  // GCOVR_EXCL_BR_LINE: the marshaller passes no null out-pointer
            return E_POINTER;
        if (iid != __uuidof(IUnknown) && iid != __uuidof(IDispatch) && iid != __uuidof(IAccessible)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --references_;
        if (left == 0)
            delete this;  // GCOVR_EXCL_BR_LINE: the compiler's test before delete
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override
    {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override
    {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* wrongArgument) override
    {
        return standard_->Invoke(id, iid, locale, flags, parameters, result, exception, wrongArgument);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        return IsSelf(child) ? Answer(name_, name) : standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        return IsSelf(child) && !description_.empty() ? Answer(description_, description)
                                                      : standard_->get_accDescription(child, description);
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override
    {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override
    {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override
    {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override
    {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override
    {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return standard_->put_accValue(child, value);
    }

private:
    ~NamedAccessible() { standard_->Release(); }

    std::atomic<ULONG> references_{1};
    IAccessible* standard_;
    std::wstring name_;
    std::wstring description_;
};

}  // namespace

LRESULT NamedAccessibleObject(HWND control, WPARAM wParam, LPARAM lParam, std::wstring name,
                              std::wstring description)
{
    if (static_cast<LONG>(lParam) != OBJID_CLIENT)
        return 0;
    const Accessibility& system = System();
    // A system without them is no Windows nor Wine that runs the programs.
    if (system.createStandardObject == nullptr || system.lresultFromObject == nullptr ||  // GCOVR_EXCL_BR_LINE
        system.allocString == nullptr)  // GCOVR_EXCL_BR_LINE: as above
        return 0;
    IAccessible* standard = nullptr;
    // The standard object is made for any window, and the control asking is one.
    if (FAILED(system.createStandardObject(control, OBJID_CLIENT, __uuidof(IAccessible),  // GCOVR_EXCL_BR_LINE
                                           reinterpret_cast<void**>(&standard))))
        return 0;
    // Out of memory, and the compiler's test of the new object.
    auto* named = new (std::nothrow) NamedAccessible(standard, std::move(name), std::move(description));  // GCOVR_EXCL_BR_LINE
    if (named == nullptr) {  // GCOVR_EXCL_BR_LINE: out of memory
        standard->Release();  // GCOVR_EXCL_BR_LINE: out of memory
        return 0;
    }
    // The object lives as long as the references the answer hands out.
    const LRESULT answer = system.lresultFromObject(__uuidof(IAccessible), wParam, named);
    named->Release();
    return answer > 0 ? answer : 0;
}

}  // namespace detail
