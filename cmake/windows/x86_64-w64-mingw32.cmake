# Cross build for 64-bit Windows (PE32+, x86-64): the twin of the 32-bit
# build that runs here under wine64.
set(TALLYON_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
# ctest runs the test programs under wine64 (tests/windows/run-under-wine.sh
# gives it a fresh prefix).
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
