# Cross-compiles the 32-bit Windows program with Debian's MinGW-w64 (posix threads, so that
# std::thread works). The runtime libraries are linked statically, so the program needs only
# DLLs that ship with Windows. CTest runs the test programs under Wine through the emulator.
set(CMAKE_SYSTEM_NAME Windows)
# i686 unless a toolchain file that includes this one chose another processor.
if(NOT BRELKA_MINGW_PROCESSOR)
  set(BRELKA_MINGW_PROCESSOR i686)
endif()
set(CMAKE_SYSTEM_PROCESSOR ${BRELKA_MINGW_PROCESSOR})

set(BRELKA_MINGW ${BRELKA_MINGW_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${BRELKA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BRELKA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${BRELKA_MINGW}-windres)
set(CMAKE_OBJDUMP ${BRELKA_MINGW}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${BRELKA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Windows 7 is the oldest system the program supports.
add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 UNICODE _UNICODE)
# What differs between the processors fails the build instead of warning: pointer and integer
# sizes, format strings, and function types (32-bit x86 alone has more than one calling
# convention), so that a fault only one processor shows stops both builds.
add_compile_options(-Werror=int-to-pointer-cast -Werror=format
                    -Werror=cast-function-type -Werror=narrowing -Werror=sign-compare
                    -Werror=attributes)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run ${BRELKA_WINE_OPTIONS}
    ${CMAKE_BINARY_DIR}/wineprefix)
