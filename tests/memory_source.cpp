// Memory as a byte_source.
#include "memory_source.h"

#include <cstring>

namespace sysorient {

std::ptrdiff_t read_memory(void *context, unsigned char *buf, std::size_t cap)
{
    auto &source = *static_cast<memory_source *>(context);
    std::size_t count = source.size - source.pos;
    count = count < cap ? count : cap;
    count = count < source.block ? count : source.block;
    std::memcpy(buf, source.data + source.pos, count);
    source.pos += count;
    return static_cast<std::ptrdiff_t>(count);
}

} // namespace sysorient
