# The same build as mingw-w64-i686.cmake for 64-bit Windows, run under 64-bit Wine. It exists for
# machines that cannot run 32-bit programs (and so not 32-bit Wine): scripts/test-win32 runs the
# Windows tests from this build there, while the shipped program stays the 32-bit one.
set(BRELKA_MINGW_PROCESSOR x86_64)
set(BRELKA_WINE_OPTIONS --win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-i686.cmake)
