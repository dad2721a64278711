// genordet.txt, looked at and read, never written.
#include "oriented_file.h"

#include "write/oriented_writer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <climits>
#include <fcntl.h>
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

#else

// Links followed in a row before the system calls it a loop (Linux's limit).
constexpr int LINKS_FOLLOWED = 40;

// What a failed stat() of a name says of creating it.
oriented_state state_of_error(int error)
{
    switch (error) {
    case ELOOP:
        return oriented_state::link_loop;
    case ENOTDIR:
        return oriented_state::through_file;
    case ENOENT:
        return oriented_state::missing_folder;
    case EACCES:
        return oriented_state::cannot_create;
    default: // not known without writing
        return oriented_state::writable;
    }
}

// Whether a file can be made in the folder of path (the part before its
// last '/', or the current folder).
oriented_state folder_state(const char *path)
{
    static char folder[PATH_MAX];
    const char *slash = std::strrchr(path, '/');
    // The root, the current folder, or the part before the last '/'.
    const std::size_t length = slash == nullptr ? 0 : static_cast<std::size_t>(slash - path);
    if (length == 0)
        folder[0] = slash == path ? '/' : '.';
    else
        std::memcpy(folder, path, length);
    folder[length == 0 ? 1 : length] = '\0';
    struct stat st {};
    if (stat(folder, &st) != 0)
        return state_of_error(errno);
    if (!S_ISDIR(st.st_mode))
        return oriented_state::through_file;
    return access(folder, W_OK | X_OK) == 0 ? oriented_state::writable
                                            : oriented_state::cannot_create;
}

// genordet.txt is not there, or is a link to nothing: writing creates
// the last link's target, if its folder takes files. Links are followed
// as the system follows them, up to its limit.
oriented_state state_of_missing()
{
    static char path[PATH_MAX];
    static char target[PATH_MAX];
    std::memcpy(path, ORIENTED_FILE, std::strlen(ORIENTED_FILE) + 1);
    for (int hop = 0; hop < LINKS_FOLLOWED; ++hop) {
        struct stat st {};
        if (lstat(path, &st) != 0)
            return folder_state(path);
        const ssize_t n = readlink(path, target, sizeof target - 1);
        if (!S_ISLNK(st.st_mode) || n < 0)
            return oriented_state::writable; // made since
        target[n] = '\0';
        // A relative target is relative to the link's folder.
        const char *slash = std::strrchr(path, '/');
        const std::size_t kept =
            target[0] == '/' || slash == nullptr ? 0 : static_cast<std::size_t>(slash - path + 1);
        if (kept + static_cast<std::size_t>(n) >= sizeof path)
            return oriented_state::writable;
        std::memcpy(path + kept, target, static_cast<std::size_t>(n) + 1);
    }
    return oriented_state::link_loop;
}

#endif

// genordet.txt, compared with what the writer hands over, line by line.
struct comparison {
    std::FILE *file;
    bool same;
};

// A piece at a time, so that memory holds no whole line of the file.
int compare_line(void *context, const char *bytes, std::size_t count)
{
    char piece[4096];
    auto &c = *static_cast<comparison *>(context);
    for (std::size_t done = 0; c.same && done < count; done += sizeof piece) {
        const std::size_t n = std::min(sizeof piece, count - done);
        c.same = std::fread(piece, 1, n, c.file) == n && std::memcmp(piece, bytes + done, n) == 0;
    }
    return c.same ? WRITE_OK : WRITE_FAILED;
}

// What sysorient writes of the file read the other way: the table's
// written part turned round, a line for each of its tip rows.
bool write_transposed(const system_table &table, comparison &c)
{
    // A line of at most MAX_GAMES tips: the other reading fits.
    char line[MAX_GAMES + 3];
    for (int t = 0; t < table.tip_row_count && c.same; ++t) {
        std::size_t n = 0;
        line[n++] = '_';
        for (int g = 0; g < table.game_count && g < MAX_GAMES; ++g)
            line[n++] = static_cast<char>('0' + table.cells[cell_index(g, t)]);
        line[n++] = '\r';
        line[n++] = '\n';
        compare_line(&c, line, n);
    }
    return c.same;
}

// genordet.txt opened for reading only if it is a regular file: a pipe or a
// device would wait for a writer, or hand over another program's data.
std::FILE *open_regular_file()
{
#if defined(_WIN32)
    HANDLE handle = CreateFileW(L"genordet.txt", GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    const int fd = GetFileType(handle) == FILE_TYPE_DISK
                       ? _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY)
                       : -1;
    if (fd < 0) {
        CloseHandle(handle);
        return nullptr;
    }
    std::FILE *file = _fdopen(fd, "rb");
    if (file == nullptr)
        _close(fd);
    return file;
#else
    const int fd = open(ORIENTED_FILE, O_RDONLY | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    std::FILE *file = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? fdopen(fd, "rb") : nullptr;
    if (file == nullptr)
        close(fd);
    return file;
#endif
}

} // namespace

oriented_state probe_oriented_file()
{
#if defined(_WIN32)
    const DWORD attributes = GetFileAttributesW(L"genordet.txt");
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return existing_file_state(attributes);
    if (GetLastError() == ERROR_PATH_NOT_FOUND)
        return oriented_state::missing_folder;
    return folder_takes_files() ? oriented_state::writable : oriented_state::cannot_create;
#else
    struct stat st {};
    if (stat(ORIENTED_FILE, &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return oriented_state::folder;
        return access(ORIENTED_FILE, W_OK) == 0 ? oriented_state::writable
                                                : oriented_state::read_only;
    }
    return errno == ENOENT ? state_of_missing() : state_of_error(errno);
#endif
}

oriented_content oriented_file_holds(const system_table &table, bool other_fits)
{
    std::FILE *file = open_regular_file();
    if (file == nullptr)
        return oriented_content::none;
    comparison c{file, true};
    oriented_content held = oriented_content::other;
    if (write_oriented(table, byte_sink{compare_line, &c}) == WRITE_OK && std::fgetc(file) == EOF) {
        held = oriented_content::same;
    } else if (other_fits) {
        std::rewind(file);
        c.same = true;
        if (write_transposed(table, c) && std::fgetc(file) == EOF)
            held = oriented_content::other_reading;
    }
    std::fclose(file);
    return held;
}

} // namespace sysorient
