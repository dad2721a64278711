# Toolchain for IBM Z Linux, big-endian (Debian's g++-s390x-linux-gnu),
# tested under qemu-s390x.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(SYSORIENT_TRIPLET s390x-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/cross-linux.cmake)
