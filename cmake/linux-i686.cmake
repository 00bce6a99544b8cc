# 32-bit x86 Linux with the x86 Windows build's floating-point flags (SSE2
# arithmetic, no x87), for the portable libraries and their unit tests.
# The programs run under qemu-i386. They carry their own C++ runtime; the C
# library is the system's 32-bit one (a static glibc warns about gtest's use
# of getaddrinfo).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-m32 -static-libstdc++ -static-libgcc")
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386)
