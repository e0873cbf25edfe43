#!/usr/bin/env bash
# Installs what building and testing Quillor needs, from Debian's packages only, and
# nothing that is already there. Runs as root, or through sudo.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config mold
    clang libclang-rt-14-dev
    qt6-base-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6 breeze-icon-theme fonts-dejavu-core
    libjpeg-dev libpng-dev zlib1g-dev libtiff-dev libsodium-dev
    libavformat-dev libavcodec-dev libswscale-dev libavutil-dev ffmpeg
    libgtest-dev
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}" >&2
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "setup: need root (or sudo) to install ${missing[*]}" >&2; exit 1; }
    as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
