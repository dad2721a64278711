// genordet.txt, looked at and read, never written.
#include "oriented_file.h"

#include "write/oriented_writer.h"

#include <cstdio>
#include <cstring>

#if defined(_WIN32)
#include <windows.h>
#else
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace sysorient {
namespace {

#if defined(_WIN32)

// Whether the account may make a file in the current folder, as its access
// rights say, and the folder is not on a read-only drive. Where a step
// fails, it may: only what is known is said.
bool folder_takes_files()
{
    DWORD flags = 0;
    if (GetVolumeInformationW(nullptr, nullptr, 0, nullptr, nullptr, &flags, nullptr, 0) != 0 &&
        (flags & FILE_READ_ONLY_VOLUME) != 0)
        return false;
    alignas(8) static unsigned char security[1 << 16];
    DWORD needed = 0;
    const SECURITY_INFORMATION what =
        OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    if (GetFileSecurityW(L".", what, security, sizeof security, &needed) == 0)
        return true;
    HANDLE process_token = nullptr;
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY | TOKEN_DUPLICATE, &process_token) == 0)
        return true;
    const BOOL duplicated = DuplicateToken(process_token, SecurityImpersonation, &token);
    CloseHandle(process_token);
    if (duplicated == 0)
        return true;
    GENERIC_MAPPING mapping = {FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE,
                               FILE_ALL_ACCESS};
    PRIVILEGE_SET privileges{};
    DWORD privileges_length = sizeof privileges;
    DWORD granted = 0;
    BOOL allowed = TRUE;
    const BOOL checked = AccessCheck(security, token, FILE_ADD_FILE, &mapping, &privileges,
                                     &privileges_length, &granted, &allowed);
    CloseHandle(token);
    return checked == 0 || allowed != 0;
}

oriented_state existing_file_state(DWORD attributes)
{
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return oriented_state::folder;
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return oriented_state::read_only;
    // Opened for writing as it stands: not emptied, not changed.
    HANDLE file = CreateFileW(L"genordet.txt", GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return oriented_state::writable;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
        return oriented_state::in_use;
    return error == ERROR_ACCESS_DENIED ? oriented_state::read_only : oriented_state::writable;
}

#endif

// genordet.txt, compared with what the writer hands over, line by line.
struct comparison {
    std::FILE *file;
    bool same;
};

int compare_line(void *context, const char *bytes, std::size_t count)
{
    static char line[MAX_TIP_ROWS + 8];
    auto &c = *static_cast<comparison *>(context);
    c.same = c.same && count <= sizeof line && std::fread(line, 1, count, c.file) == count &&
             std::memcmp(line, bytes, count) == 0;
    return c.same ? WRITE_OK : WRITE_FAILED;
}

} // namespace

oriented_state probe_oriented_file()
{
#if defined(_WIN32)
    const DWORD attributes = GetFileAttributesW(L"genordet.txt");
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return existing_file_state(attributes);
    return folder_takes_files() ? oriented_state::writable : oriented_state::cannot_create;
#else
    struct stat st {};
    if (stat(ORIENTED_FILE, &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return oriented_state::folder;
        return access(ORIENTED_FILE, W_OK) == 0 ? oriented_state::writable
                                                : oriented_state::read_only;
    }
    if (errno != ENOENT)
        return oriented_state::writable;
    return access(".", W_OK) == 0 ? oriented_state::writable : oriented_state::cannot_create;
#endif
}

bool oriented_file_holds(const system_table &table, void * /*unused*/)
{
    std::FILE *file = std::fopen(ORIENTED_FILE, "rb");
    if (file == nullptr)
        return false;
    comparison c{file, true};
    const bool same =
        write_oriented(table, byte_sink{compare_line, &c}) == WRITE_OK && std::fgetc(file) == EOF;
    std::fclose(file);
    return same;
}

} // namespace sysorient
