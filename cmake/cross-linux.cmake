# The part the Linux cross toolchains share: Debian's cross compiler for
# SYSORIENT_TRIPLET (set by the including file), its libraries under
# /usr/<triplet>, and qemu-user to run what it builds: the tests, the
# example and the benchmarks' counts. The end-to-end tests start the program
# through the same emulator, since without binfmt_misc a direct start fails.
set(CMAKE_SYSTEM_NAME Linux)

set(CMAKE_C_COMPILER ${SYSORIENT_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${SYSORIENT_TRIPLET}-g++)

set(CMAKE_FIND_ROOT_PATH /usr/${SYSORIENT_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/qemu-${CMAKE_SYSTEM_PROCESSOR} -L
                                  /usr/${SYSORIENT_TRIPLET})
