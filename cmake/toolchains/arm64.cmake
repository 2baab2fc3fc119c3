# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-building for arm64 (aarch64-linux-gnu: a Raspberry Pi with a 64-bit system) on a Debian
# amd64 machine: Debian's cross compiler, the arm64 libraries installed beside the machine's own
# through multi-arch (/usr/lib/aarch64-linux-gnu), and Qt's code generators (moc, rcc, uic) from
# the machine's own amd64 packages, which Debian's arm64 Qt finds under /usr/lib/qt6/libexec.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
# Libraries and CMake packages are looked for under lib/aarch64-linux-gnu, pkg-config's too.
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)

# The arm64 programs run here under user-mode emulation (qemu) with the arm64 libraries of this
# machine: ctest starts the tests through it.
cmake_path(ABSOLUTE_PATH CMAKE_CURRENT_LIST_DIR NORMALIZE OUTPUT_VARIABLE toolchains)
set(CMAKE_CROSSCOMPILING_EMULATOR ${toolchains}/../../scripts/run-arm64)
cmake_path(NORMAL_PATH CMAKE_CROSSCOMPILING_EMULATOR)

# Debian's name for it, for the package.
set(BROLANT_DEBIAN_ARCHITECTURE arm64)
