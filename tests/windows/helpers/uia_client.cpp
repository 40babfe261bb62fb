// A UI Automation client of the Windows checks' own, never shipped. It reads
// through the system's UI Automation, as a screen reader does:
//   uia_client.exe tree TITLE   the visible window with that title: each
//                               element, by control type and name, indented
//                               by depth
//   uia_client.exe focus        every focus change from then on, with the
//                               focused element's value where it has one,
//                               until it is ended
// A line at a time, to standard output.

#include <windows.h>

#include <initguid.h> // the interfaces' identifiers are defined here
#include <ole2.h>
#include <uiautomation.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

std::wstring Control_Type(int id)
{
    static const std::map<int, std::wstring> names{{UIA_ButtonControlTypeId, L"button"},
        {UIA_EditControlTypeId, L"edit"}, {UIA_ImageControlTypeId, L"image"},
        {UIA_MenuBarControlTypeId, L"menu bar"}, {UIA_MenuItemControlTypeId, L"menu item"},
        {UIA_RadioButtonControlTypeId, L"radio button"}, {UIA_TextControlTypeId, L"text"},
        {UIA_CustomControlTypeId, L"custom"}, {UIA_GroupControlTypeId, L"group"},
        {UIA_WindowControlTypeId, L"window"}, {UIA_PaneControlTypeId, L"pane"},
        {UIA_SeparatorControlTypeId, L"separator"}};
    const auto name = names.find(id);
    return name != names.end() ? name->second : L"control " + std::to_wstring(id);
}

void Print(const std::wstring& line)
{
    const std::wstring text = line + L"\n";
    const int size = WideCharToMultiByte(
        CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(
        CP_UTF8, 0, text.c_str(), int(text.size()), bytes.data(), size, nullptr, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

std::wstring Taken(BSTR text)
{
    std::wstring taken = text ? text : L"";
    SysFreeString(text);
    return taken;
}

// What a screen reader says of an element: its control type and name, and its
// value where it has one.
std::wstring Described(IUIAutomationElement& element, bool with_value)
{
    CONTROLTYPEID type = 0;
    BSTR name = nullptr;
    element.get_CurrentControlType(&type);
    element.get_CurrentName(&name);
    std::wstring described = Control_Type(type) + L" \"" + Taken(name) + L"\"";
    // Windows gives a box's text; Wine 10 knows no Value.Value property, and
    // gives nothing (it implements the Ex form of the call only).
    VARIANT value;
    VariantInit(&value);
    if (with_value && type == UIA_EditControlTypeId
        && SUCCEEDED(element.GetCurrentPropertyValueEx(UIA_ValueValuePropertyId, TRUE, &value))
        && value.vt == VT_BSTR)
        described += L" value \"" + Taken(value.bstrVal) + L"\"";
    else
        VariantClear(&value);
    return described;
}

void Print_Tree(IUIAutomationTreeWalker& walker, IUIAutomationElement& element, int depth)
{
    Print(std::wstring(2 * depth, L' ') + Described(element, false));
    IUIAutomationElement* child = nullptr;
    walker.GetFirstChildElement(&element, &child);
    while (child) {
        Print_Tree(walker, *child, depth + 1);
        IUIAutomationElement* next = nullptr;
        walker.GetNextSiblingElement(child, &next);
        child->Release();
        child = next;
    }
}

struct Search {
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK Visible_Window_Titled(HWND window, LPARAM search_address)
{
    auto& search = *reinterpret_cast<Search*>(search_address);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (IsWindowVisible(window) && std::wstring(title) == search.title) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

int Print_Window_Tree(IUIAutomation& automation, const wchar_t* title)
{
    Search search{title, nullptr};
    EnumWindows(Visible_Window_Titled, reinterpret_cast<LPARAM>(&search));
    // The raw view, a walker over every element: Wine's control view
    // walker is a stub, and it navigates no other condition.
    IUIAutomationElement* window = nullptr;
    IUIAutomationCondition* every_element = nullptr;
    IUIAutomationTreeWalker* walker = nullptr;
    if (!search.found || FAILED(automation.ElementFromHandle(search.found, &window))
        || FAILED(automation.CreateTrueCondition(&every_element))
        || FAILED(automation.CreateTreeWalker(every_element, &walker))) {
        std::fwprintf(stderr, L"no element for a window \"%ls\"\n", title);
        return 1;
    }
    every_element->Release();
    Print_Tree(*walker, *window, 0);
    walker->Release();
    window->Release();
    return 0;
}

class Focus_Changes final : public IUIAutomationFocusChangedEventHandler {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (id != IID_IUnknown && id != IID_IUIAutomationFocusChangedEventHandler) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; } // lives as long as the program
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement* focused) override
    {
        Print(L"focus: " + Described(*focused, true));
        return S_OK;
    }
};

int Print_Focus_Changes(IUIAutomation& automation)
{
    static Focus_Changes handler;
    if (FAILED(automation.AddFocusChangedEventHandler(nullptr, &handler))) {
        std::fwprintf(stderr, L"UI Automation takes no focus handler\n");
        return 1;
    }
    Print(L"listening to focus changes");
    Sleep(INFINITE);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (!((mode == L"tree" && argc == 3) || (mode == L"focus" && argc == 2))) {
        std::fwprintf(stderr, L"usage: uia_client tree TITLE | uia_client focus\n");
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IUIAutomation* automation = nullptr;
    if (FAILED(CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER,
            IID_IUIAutomation, reinterpret_cast<void**>(&automation)))) {
        std::fwprintf(stderr, L"no UI Automation to be had\n");
        return 1;
    }
    const int status = mode == L"tree" ? Print_Window_Tree(*automation, argv[2])
                                       : Print_Focus_Changes(*automation);
    automation->Release();
    CoUninitialize();
    return status;
}
