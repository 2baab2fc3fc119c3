# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack for a cross build: dpkg-shlibdeps takes the package's architecture from
# DEB_HOST_ARCH (with its objdump and its libraries), not from this machine.
set(ENV{DEB_HOST_ARCH} ${CPACK_DEBIAN_PACKAGE_ARCHITECTURE})
