#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
# With --bench also what the benchmarks compare against and measure with (vipsthumbnail,
# djpeg, /usr/bin/time).
set -euo pipefail

packages=(cmake g++ make libgtest-dev libgmock-dev libjpeg62-turbo-dev libturbojpeg0-dev
          libexif-dev pkg-config qt6-base-dev qt6-webengine-dev xvfb xauth clang-format
          desktop-file-utils appstream clang rsync openssh-client openssh-server)
if [ "${1:-}" = "--bench" ]; then
    packages+=(libvips-tools libjpeg-turbo-progs time)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi
