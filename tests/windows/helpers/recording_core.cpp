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

#include <string>

namespace {

// Microsoft's numbers for what the checks read.
constexpr EVENTID Focus_Changed = 20005;

std::wstring Control_Type(int id)
{
    switch (id) {
    case 50000:
        return L"button";
    case 50004:
        return L"edit";
    case 50006:
        return L"image";
    case 50010:
        return L"menu bar";
    case 50011:
        return L"menu item";
    case 50013:
        return L"radio button";
    case 50020:
        return L"text";
    case 50026:
        return L"group";
    case 50032:
        return L"window";
    case 50033:
        return L"pane";
    case 50038:
        return L"separator";
    default:
        return L"control " + std::to_wstring(id);
    }
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

extern "C" {

__declspec(dllexport) LRESULT WINAPI
    UiaReturnRawElementProvider(HWND, WPARAM, LPARAM, IRawElementProviderSimple* root)
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

__declspec(dllexport) HRESULT WINAPI
    UiaHostProviderFromHwnd(HWND, IRawElementProviderSimple** provider)
{
    *provider = nullptr;
    return E_NOTIMPL;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseAutomationPropertyChangedEvent(IRawElementProviderSimple*, PROPERTYID, VARIANT, VARIANT)
{
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseAutomationEvent(IRawElementProviderSimple* element, EVENTID event)
{
    if (event == Focus_Changed)
        Write(L"focus: " + Describe(element));
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseNotificationEvent(IRawElementProviderSimple* element, int, int, BSTR text, BSTR)
{
    Write(L"notification from " + Describe(element) + L": " + (text ? text : L""));
    return S_OK;
}

__declspec(dllexport) BOOL WINAPI UiaClientsAreListening()
{
    return TRUE;
}

} // extern "C"
