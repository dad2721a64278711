// system.txt as a byte_source, for both programs.
#include "system_file.h"

namespace sysorient {
namespace {

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
    if (file != nullptr)
        std::setvbuf(file, nullptr, _IONBF, 0);
    return file;
}

byte_source file_source(std::FILE *file) { return byte_source{read_file, file}; }

} // namespace sysorient
