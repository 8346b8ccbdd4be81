#!/usr/bin/env bash
# Installs what building, running and testing Corvanel need on Debian or Ubuntu; only the
# packages that are missing are installed.
set -euo pipefail
paquets=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n libgl-dev fonts-dejavu-core
    fonts-liberation libtifiles-dev)
if [ "${1:-}" = "--tests" ]; then
    # The installation test checks the desktop entry and the metadata with their validators.
    paquets+=(gcc-m68k-linux-gnu binutils-m68k-linux-gnu desktop-file-utils appstream)
fi
# The benchmark's reference converter and its sample photos.
if [ "${1:-}" = "--bench" ]; then
    paquets+=(imagemagick python3-skimage)
fi
if [ "${1:-}" = "--fuzz" ]; then
    paquets+=(clang libclang-rt-dev)
fi
manquants=()
for paquet in "${paquets[@]}"; do
    dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$paquet")
done
if [ "${#manquants[@]}" -gt 0 ]; then
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi
