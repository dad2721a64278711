// system.txt as a byte_source, for both programs.
#include "system_file.h"

#include <sys/stat.h>

namespace sysorient {
namespace {

// Linux opens a folder for reading (its reads fail); Windows does not. So
// that both say the same, a folder named system.txt is not opened at all.
bool is_folder(std::FILE *file)
{
#if defined(_WIN32)
    struct _stat64 st {};
    return _fstat64(_fileno(file), &st) == 0 && (st.st_mode & _S_IFMT) == _S_IFDIR;
#else
    struct stat st {};
    return fstat(fileno(file), &st) == 0 && S_ISDIR(st.st_mode);
#endif
}

std::ptrdiff_t read_file(void *context, unsigned char *buf, std::size_t cap)
{
    auto *file = static_cast<std::FILE *>(context);
    if (std::ferror(file) != 0)
        return -1;
    const std::size_t count = std::fread(buf, 1, cap, file);
    if (count == 0 && std::ferror(file) != 0)
        return -1;
    return static_cast<std::ptrdiff_t>(count);
}

} // namespace

std::FILE *open_system_file()
{
    std::FILE *file = std::fopen(SYSTEM_FILE, "rb");
    if (file == nullptr)
        return nullptr;
    if (is_folder(file)) {
        std::fclose(file);
        return nullptr;
    }
    std::setvbuf(file, nullptr, _IONBF, 0);
    return file;
}

byte_source file_source(std::FILE *file) { return byte_source{read_file, file}; }

} // namespace sysorient
