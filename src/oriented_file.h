// genordet.txt as the check sees it, without creating or changing any file:
// whether sysorient could write it, and whether it holds what sysorient
// writes of a table.
#ifndef SYSORIENT_ORIENTED_FILE_H
#define SYSORIENT_ORIENTED_FILE_H

#include "check/findings.h"
#include "system_file.h"
#include "system_table.h"

namespace sysorient {

// Whether genordet.txt could be created or replaced here, and if not, why.
oriented_state probe_oriented_file();

// What genordet.txt holds, byte for byte: what sysorient writes of the
// table, or (where the file read the other way fits) what it writes then.
// Only a regular file is opened.
oriented_content oriented_file_holds(const system_table &table, bool other_fits);

} // namespace sysorient

#endif
