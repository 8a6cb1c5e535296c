#!/bin/sh
# Every hardening flag that dpkg-buildflags gives with hardening=+all is on
# the build's compile or link lines, so the build stays as hardened as
# Debian's own packages when either side changes.
#   tests/desktop/hardening-flags.sh BUILD_DIR
set -eu
build=$1
features=DEB_BUILD_MAINT_OPTIONS=hardening=+all
status=0
for flag in $(env $features dpkg-buildflags --get CXXFLAGS) $(env $features dpkg-buildflags --get CPPFLAGS) \
  $(env $features dpkg-buildflags --get LDFLAGS); do
  # Not hardening: the build type's optimisation and debugging, the source
  # tree's path, the date-time warning.
  case $flag in -g | -O2 | -ffile-prefix-map=* | -Wdate-time) continue ;; esac
  if tr ' ' '\n' <"$build/build.ninja" | grep -qxF -- "$flag"; then
    echo "ok: $flag"
  else
    echo "missing: $flag"
    status=1
  fi
done
exit $status
