#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
set -euo pipefail

paquetes=(cmake make g++ qt6-base-dev qt6-svg-dev libgtest-dev libbenchmark-dev xvfb xauth
          fonts-liberation fonts-dejavu-core locales dpkg-dev desktop-file-utils
          qt6-translations-l10n clang-format libboost-dev)

faltan=()
for p in "${paquetes[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        faltan+=("$p")
    fi
done
[ ${#faltan[@]} -eq 0 ] && exit 0

echo "Installing: ${faltan[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Run as root or install sudo to add: ${faltan[*]}" >&2; exit 1; }
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${faltan[@]}"
