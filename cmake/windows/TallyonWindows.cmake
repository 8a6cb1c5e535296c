# What a Windows build (the MinGW-w64 toolchain files beside this one) adds:
# - the hardening Windows programs get: address-space layout randomisation
#   (with high-entropy addresses on 64-bit), data execution prevention and a
#   strong stack protector;
# - the C and C++ runtimes, the stack protector's and the threads' linked
#   statically, so that a program imports only the system's own DLLs;
# - <windows.h> without its min and max macros and rarely used parts.
# Debian's MinGW-w64 has no GoogleTest: it is built here from Debian's
# googletest sources.
enable_language(RC)
add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
add_link_options(-static -fstack-protector-strong LINKER:--dynamicbase LINKER:--nxcompat)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  add_link_options(LINKER:--high-entropy-va)
endif()

set(TALLYON_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${TALLYON_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The version records are made by tallyon-vrc, a tool of the build machine:
# a Windows build takes it from a build for this machine (scripts/build-windows
# makes one in build-tools/).
set(TALLYON_VRC "" CACHE FILEPATH "The build machine's tallyon-vrc")
if(NOT EXISTS "${TALLYON_VRC}")
  message(FATAL_ERROR "A Windows build needs -DTALLYON_VRC=<the build machine's tallyon-vrc>")
endif()
add_executable(tallyon-vrc IMPORTED)
set_target_properties(tallyon-vrc PROPERTIES IMPORTED_LOCATION ${TALLYON_VRC})
