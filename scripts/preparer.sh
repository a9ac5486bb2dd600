#!/usr/bin/env bash
# Shared set-up of ./run.sh and ./test.sh: installs the Debian packages that are
# missing, then configures and builds the project in build/.
set -euo pipefail

racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

paquets=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n libgl-dev
    libjpeg62-turbo-dev libgtest-dev libbenchmark-dev
    fonts-liberation2
    clang libclang-rt-14-dev
    xvfb xauth dbus at-spi2-core python3-pyatspi
    appstream desktop-file-utils dpkg-dev file
)

manquants=()
for paquet in "${paquets[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q "install ok installed"; then
        manquants+=("$paquet")
    fi
done

if ((${#manquants[@]})); then
    echo "Installing missing packages: ${manquants[*]}"
    sudo_cmd=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo_cmd=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi

cmake -S "$racine" -B "$racine/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$racine/build" -j "$(nproc)"
