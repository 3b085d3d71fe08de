#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, builds, and runs every test:
#   1. the test suite;
#   2. the test suite again under AddressSanitizer and UndefinedBehaviorSanitizer (built with
#      clang), with the ".kar" reader fuzzed for a bounded time;
#   3. the Debian package: built, unpacked into a temporary root and checked.
# Run as root, or with sudo.
set -euo pipefail
cd "$(dirname "$0")/.."

export DEBIAN_FRONTEND=noninteractive
apt-get update
# dbus-x11 is there as on most desktops: with it, a program that finds no session bus starts one
# of its own and leaves files in the home folder, which the tests that start the program must
# cope with.
apt-get install -y cmake g++ make qt6-base-dev clang libclang-rt-14-dev \
    dpkg-dev file desktop-file-utils appstream poppler-utils xvfb xauth \
    shared-mime-info xdg-utils libfile-mimeinfo-perl lintian x11-utils weston qt6-wayland \
    libswe-dev swe-basic-data openbox xdotool qt6-gtk-platformtheme gnome-themes-extra \
    dbus dbus-daemon dbus-x11 at-spi2-core python3-pyatspi

# BUILD_TESTING is set explicitly: a build folder made by the README's first command has it off.
# The Swiss Ephemeris tests must run here, never be skipped.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DLUMO_EPHEMERIS_TESTS=ON
cmake --build build -j2
ctest --test-dir build --output-on-failure

CC=clang CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug \
    -DLUMO_SANITIZE=ON -DLUMO_FUZZ=ON -DLUMO_EPHEMERIS_TESTS=ON
cmake --build build-asan -j2
ctest --test-dir build-asan --output-on-failure

(cd build && cpack -G DEB)
scripts/check-package.sh build/lumofreetessaray_*.deb
