# The hardening Debian builds its packages with (dpkg-buildflags with
# DEB_BUILD_MAINT_OPTIONS=hardening=+all): a strong stack protector, the
# fortified C library calls, format strings checked, the relocations made
# read-only and bound at start, position-independent executables; and, where
# the processor has it, the branch protection that later Debian releases add
# to the same set (-fcf-protection). A program is marked as protected only
# when every object in it is: Debian 12's C start files are not, so there
# hardening-check's control-flow check fails for every program, Debian's own
# too, and the checks leave it out (--nocfprotection). On for
# every build except the sanitizer and fuzzer builds, whose instrumentation
# does not mix with the fortified calls. desktop/check-package.sh compares
# these flags with dpkg-buildflags' own and checks the binaries with
# hardening-check.
option(TALLYON_HARDEN "Build with Debian's hardening flags" ON)
if(TALLYON_SANITIZE OR TALLYON_FUZZ)
  set(TALLYON_HARDEN OFF)
endif()

if(TALLYON_HARDEN)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  include(CheckPIESupported)
  check_pie_supported()
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  include(CheckCXXCompilerFlag)
  check_cxx_compiler_flag(-fcf-protection TALLYON_HAS_CF_PROTECTION)
  if(TALLYON_HAS_CF_PROTECTION)
    add_compile_options(-fcf-protection)
  endif()
  # The fortified calls need the optimiser; a Debug build goes without them
  # rather than warn about it.
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
