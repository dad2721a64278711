# Toolchain for 64-bit ARM Linux (Debian's g++-aarch64-linux-gnu), tested
# under qemu-aarch64.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(SYSORIENT_TRIPLET aarch64-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/cross-linux.cmake)
