# Cross build for 32-bit Windows (PE32, i386) with Debian's MinGW-w64 and
# its POSIX thread model (std::thread and std::mutex need it).
set(TALLYON_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
