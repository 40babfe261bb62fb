// A UI Automation core of the Windows checks' own, never shipped. Keywright's
// Qt loads UI Automation from system32; the checks put this one there, under
// Wine, in place of the system's. It tells Qt that a client listens, and
// writes to the file that KEYWRIGHT_UIA_LOG names what a client gets: a
// window's tree of elements when the client asks the window for its root
// element, and every focus change and notification that the program raises.

#include <windows.h>

#include <initguid.h> // the interfaces' identifiers are defined here
#include <ole2.h>
#include <uiautomationclient.h>
#include <uiautomationcore.h>

#include <map>
#include <string>

namespace {

// Microsoft's numbers for what the checks read.
constexpr EVENTID Focus_Changed = 20005;

std::wstring Control_Type(int id)
{
    static const std::map<int, std::wstring> names{{50000, L"button"}, {50004, L"edit"},
        {50006, L"image"}, {50010, L"menu bar"}, {50011, L"menu item"}, {50013, L"radio button"},
        {50020, L"text"}, {50025, L"custom"}, {50026, L"group"}, {50032, L"window"},
        {50033, L"pane"}, {50038, L"separator"}};
    const auto name = names.find(id);
    return name != names.end() ? name->second : L"control " + std::to_wstring(id);
}

void Write(const std::wstring& line)
{
    wchar_t path[MAX_PATH];
    if (!GetEnvironmentVariableW(L"KEYWRIGHT_UIA_LOG", path, MAX_PATH))
        return;
    const std::wstring text = line + L"\n";
    const int size = WideCharToMultiByte(
        CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(
        CP_UTF8, 0, text.c_str(), int(text.size()), bytes.data(), size, nullptr, nullptr);
    const HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// What a client reads of an element: its control type and name, and whether
// it is off the screen.
std::wstring Describe(IRawElementProviderSimple* element)
{
    VARIANT type, name, offscreen;
    VariantInit(&type);
    VariantInit(&name);
    VariantInit(&offscreen);
    element->GetPropertyValue(UIA_ControlTypePropertyId, &type);
    element->GetPropertyValue(UIA_NamePropertyId, &name);
    element->GetPropertyValue(UIA_IsOffscreenPropertyId, &offscreen);
    std::wstring described = Control_Type(type.vt == VT_I4 ? type.lVal : 0) + L" \""
        + (name.vt == VT_BSTR && name.bstrVal ? name.bstrVal : L"") + L"\"";
    if (offscreen.vt == VT_BOOL && offscreen.boolVal)
        described += L", off the screen";
    VariantClear(&type);
    VariantClear(&name);
    VariantClear(&offscreen);
    return described;
}

void Write_Tree(IRawElementProviderFragment* fragment, int depth)
{
    IRawElementProviderSimple* element = nullptr;
    if (SUCCEEDED(fragment->QueryInterface(
            IID_IRawElementProviderSimple, reinterpret_cast<void**>(&element)))) {
        Write(std::wstring(2 * depth, L' ') + Describe(element));
        element->Release();
    }
    IRawElementProviderFragment* child = nullptr;
    fragment->Navigate(NavigateDirection_FirstChild, &child);
    while (child) {
        Write_Tree(child, depth + 1);
        IRawElementProviderFragment* next = nullptr;
        child->Navigate(NavigateDirection_NextSibling, &next);
        child->Release();
        child = next;
    }
}

} // namespace

// The functions that Qt looks up by name (recording_core.def exports them);
// on x64 every one calls as WINAPI does.
extern "C" {

LRESULT UiaReturnRawElementProvider(HWND, WPARAM, LPARAM, IRawElementProviderSimple* root)
{
    IRawElementProviderFragment* fragment = nullptr;
    if (root
        && SUCCEEDED(root->QueryInterface(
            IID_IRawElementProviderFragment, reinterpret_cast<void**>(&fragment)))) {
        Write(L"root element:");
        Write_Tree(fragment, 1);
        fragment->Release();
    }
    return 0;
}

HRESULT UiaHostProviderFromHwnd(HWND, IRawElementProviderSimple** provider)
{
    *provider = nullptr;
    return E_NOTIMPL;
}

HRESULT UiaRaiseAutomationPropertyChangedEvent(IRawElementProviderSimple*, int, VARIANT, VARIANT)
{
    return S_OK;
}

HRESULT UiaRaiseAutomationEvent(IRawElementProviderSimple* element, EVENTID event)
{
    if (event == Focus_Changed)
        Write(L"focus: " + Describe(element));
    return S_OK;
}

HRESULT UiaRaiseNotificationEvent(IRawElementProviderSimple* element, int, int, BSTR text, BSTR)
{
    Write(L"notification from " + Describe(element) + L": " + (text ? text : L""));
    return S_OK;
}

BOOL UiaClientsAreListening()
{
    return TRUE;
}

} // extern "C"
