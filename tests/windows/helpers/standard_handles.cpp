// Stands in for Keywright.exe in the Windows checks, never shipped: writes
// what its standard handles are to the file that KEYWRIGHT_HANDLES_LOG
// names, a line each, so that the checks see what Keywright.com hands the
// windows' program.

#include <windows.h>

#include <cstdio>

namespace {

const char* Kind(DWORD standard_handle)
{
    const HANDLE handle = GetStdHandle(standard_handle);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return "none";
    switch (GetFileType(handle)) {
    case FILE_TYPE_PIPE:
        return "pipe";
    case FILE_TYPE_CHAR:
        return "character device";
    case FILE_TYPE_DISK:
        return "file";
    default:
        return "unknown";
    }
}

} // namespace

int main()
{
    char path[MAX_PATH];
    if (!GetEnvironmentVariableA("KEYWRIGHT_HANDLES_LOG", path, MAX_PATH))
        return 1;
    std::FILE* log = std::fopen(path, "wb");
    if (!log)
        return 1;
    std::fprintf(log, "input: %s\noutput: %s\nerror: %s\n", Kind(STD_INPUT_HANDLE),
        Kind(STD_OUTPUT_HANDLE), Kind(STD_ERROR_HANDLE));
    std::fclose(log);
    return 0;
}
