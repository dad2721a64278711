// The program: picks the orientation from the command line, reads system.txt
// into the system table and writes genordet.txt from it. This is the only
// place that touches files or the console; the reading and writing proper
// live in the core library.
#include "command_line.h"
#include "read/system_reader.h"
#include "system_file.h"
#include "system_table.h"
#include "write/oriented_writer.h"
#include "write_signals.h"

#include <cstdio>

#include <sys/stat.h>
#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace sysorient {
namespace {

// The one system table of the run: 300 KB, so static rather than on the stack.
system_table table;

int write_file(void *context, const char *bytes, std::size_t count)
{
    auto *file = static_cast<std::FILE *>(context);
    return std::fwrite(bytes, 1, count, file) == count ? WRITE_OK : WRITE_FAILED;
}

// Returns READ_OK, READ_FAILED, or a limit result after printing its warning.
int read_system_file(system_table &t)
{
    std::FILE *file = open_system_file();
    if (file == nullptr)
        return READ_FAILED;
    const int status = read_system(t, file_source(file));
    std::fclose(file);
    if (status == READ_TOO_MANY_GAMES)
        std::printf(GAMES_WARNING, MAX_GAMES);
    else if (status == READ_TOO_MANY_TIP_ROWS)
        std::printf(TIP_ROWS_WARNING, MAX_TIP_ROWS);
    return status;
}

// Empties genordet.txt after a failed write, so that nothing that looks
// whole is left: only a regular file (not a pipe or a device), and as far as
// it goes; the run fails whatever this meets.
void empty_regular_file(std::FILE *file)
{
#if defined(_WIN32)
    struct _stat64 st {};
    const int fd = _fileno(file);
    if (_fstat64(fd, &st) == 0 && (st.st_mode & _S_IFMT) == _S_IFREG)
        static_cast<void>(_chsize_s(fd, 0));
#else
    struct stat st {};
    const int fd = fileno(file);
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
        static_cast<void>(ftruncate(fd, 0));
#endif
}

// After a failed close the file is gone from our hands: it is opened again,
// and so emptied, if it is a regular file.
void empty_regular_file(const char *name)
{
    struct stat st {};
    if (stat(name, &st) != 0 || (st.st_mode & S_IFMT) != S_IFREG)
        return;
    if (std::FILE *file = std::fopen(name, "wb"))
        std::fclose(file);
}

// Creates or truncates genordet.txt in place. Returns WRITE_FAILED if it
// cannot be created or if any write or the close fails; genordet.txt is then
// left empty.
int write_oriented_file(const system_table &t)
{
    std::FILE *file = std::fopen(ORIENTED_FILE, "wb");
    if (file == nullptr)
        return WRITE_FAILED;
    // Unbuffered: each line is composed whole and goes out in one write.
    std::setvbuf(file, nullptr, _IONBF, 0);
    if (write_oriented(t, byte_sink{write_file, file}) != WRITE_OK) {
        empty_regular_file(file);
        std::fclose(file);
        return WRITE_FAILED;
    }
    if (std::fclose(file) != 0) {
        empty_regular_file(ORIENTED_FILE);
        return WRITE_FAILED;
    }
    return WRITE_OK;
}

} // namespace

int run(int argc, char **argv)
{
    ignore_write_signals();
    parse_options(table, argc, argv);
    if (read_system_file(table) != READ_OK)
        return -1;
    if (write_oriented_file(table) != WRITE_OK)
        return -1;
    return 0;
}

} // namespace sysorient

int main(int argc, char **argv) { return sysorient::run(argc, argv); }
