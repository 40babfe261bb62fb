// A UI Automation client of the Windows checks' own, never shipped: asks the
// visible window with the title given for its root element, as every client
// does first. The program's UI Automation starts with that request.
//   uia_client.exe TITLE

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr LPARAM Root_Object_Id = -25; // UiaRootObjectId: the mingw-w64 header is C only

struct Search {
    const char* title;
    HWND found;
};

BOOL CALLBACK Visible_Window_Titled(HWND window, LPARAM search_address)
{
    auto& search = *reinterpret_cast<Search*>(search_address);
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    if (IsWindowVisible(window) && std::strcmp(title, search.title) == 0) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: uia_client TITLE\n");
        return 2;
    }
    Search search{argv[1], nullptr};
    EnumWindows(Visible_Window_Titled, reinterpret_cast<LPARAM>(&search));
    DWORD_PTR answer = 0;
    if (!search.found
        || !SendMessageTimeoutA(
            search.found, WM_GETOBJECT, 0, Root_Object_Id, SMTO_ABORTIFHUNG, 10000, &answer)) {
        std::fprintf(stderr, "no answer from a window \"%s\"\n", argv[1]);
        return 1;
    }
    return 0;
}
