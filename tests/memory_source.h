// Bytes held in memory as a byte_source, handed out in blocks of a chosen
// size: the input of the unit tests, the fuzzer and the benchmarks. Not part
// of the program.
#ifndef SYSORIENT_MEMORY_SOURCE_H
#define SYSORIENT_MEMORY_SOURCE_H

#include "read/system_reader.h"

#include <cstddef>

namespace sysorient {

struct memory_source {
    const unsigned char *data;
    std::size_t size;
    std::size_t block; // at most this many bytes a read
    std::size_t pos;
};

// A byte_source read function whose context is a memory_source.
std::ptrdiff_t read_memory(void *context, unsigned char *buf, std::size_t cap);

} // namespace sysorient

#endif
