// system.txt as a byte_source: the file side of both programs, apart from
// the core library (which reads only from a byte_source).
#ifndef SYSORIENT_SYSTEM_FILE_H
#define SYSORIENT_SYSTEM_FILE_H

#include "read/system_reader.h"

#include <cstdio>

namespace sysorient {

constexpr const char *SYSTEM_FILE = "system.txt";
constexpr const char *ORIENTED_FILE = "genordet.txt";

// Opens system.txt in binary mode, unbuffered (the reader reads in large
// blocks of its own); nullptr if it cannot be opened or is a folder.
std::FILE *open_system_file();

// A byte_source over an open file. A read that fails after delivering bytes
// hands them over; the error is reported by the next call, if the reader
// needs more.
byte_source file_source(std::FILE *file);

} // namespace sysorient

#endif
