# The same build as mingw-w64-i686.cmake for 64-bit Windows, run under 64-bit Wine. It exists for
# machines that cannot run 32-bit programs (and so not 32-bit Wine): scripts/test-win32 runs the
# Windows tests from this build there, while the shipped program stays the 32-bit one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BRELKA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BRELKA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BRELKA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${BRELKA_MINGW}-windres)
set(CMAKE_OBJDUMP ${BRELKA_MINGW}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${BRELKA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 UNICODE _UNICODE)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run --win64
    ${CMAKE_BINARY_DIR}/wineprefix)
