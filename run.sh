#!/usr/bin/env bash
# ./run.sh demo   installs what is missing, builds, runs pocketsim's demo
# ./run.sh test   installs what is missing, builds, runs every test, then
#                 runs them again in an address + undefined-behaviour build
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake make g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev libsqlite3-dev libpng-dev libfreetype-dev fonts-dejavu-core fonts-dejavu-extra binutils-mingw-w64-x86-64)

install_missing() {
    local missing=()
    for package in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}

build() {
    local folder=$1
    shift
    cmake -S . -B "$folder" "$@" >/dev/null
    cmake --build "$folder" -j "$(nproc)"
}

case "${1:-}" in
demo)
    install_missing
    build build
    ./build/sim/pocketsim
    ;;
test)
    install_missing
    build build
    ctest --test-dir build --output-on-failure -j "$(nproc)"
    build build-sanitize -DLEXOVIA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
    ;;
*)
    echo "usage: $0 demo|test" >&2
    exit 2
    ;;
esac
