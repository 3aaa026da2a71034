# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit ARM Linux (arm64) with Debian's aarch64 compilers, against the arm64
# Qt that Debian's multiarch installs beside the machine's own (bash tools/setup.sh arm64).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
# Libraries and CMake packages come from /usr/lib/aarch64-linux-gnu.
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

# Qt's moc, rcc and uic come from the machine's own Qt, whose CMake packages are in its own
# multiarch folder. That folder's libraries are left out of every search, and pkg-config reads only
# arm64's files, so that no x86-64 library is linked.
execute_process(COMMAND dpkg-architecture -qDEB_BUILD_MULTIARCH
    OUTPUT_VARIABLE build_multiarch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(QT_HOST_PATH /usr CACHE PATH "The Qt whose tools the build runs")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${build_multiarch}/cmake CACHE PATH "Its CMake packages")
set(CMAKE_IGNORE_PATH /usr/lib/${build_multiarch})
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/pkgconfig:/usr/share/pkgconfig)

# The tests run the programs under emulation.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static)
