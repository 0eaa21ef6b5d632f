#!/usr/bin/env bash
# ./run.sh demo   installs what is missing, builds, runs pocketsim's demo
# ./run.sh test   installs what is missing, builds, runs every test (the
#                 browser view's in headless Chromium too), builds
#                 for the real target and checks it, then runs the tests
#                 again in an address + undefined-behaviour build, runs the
#                 fuzz targets over their seed corpora (clang) and checks our
#                 own code with clang-tidy
# ./run.sh tidy   installs what is missing, configures the normal build and
#                 checks our own code with clang-tidy (.clang-tidy)
# ./run.sh cross  installs what is missing, builds the deliverables for the
#                 real 32-bit target into build-target/ and checks them
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake make g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev libsqlite3-dev libpng-dev libfreetype-dev
          fonts-dejavu-core fonts-dejavu-extra fonts-wine ccache libedit-dev nlohmann-json3-dev binutils-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64-i686
          clang libclang-rt-dev clang-tidy libcpp-httplib-dev)
# Only the tests drive the browser view in a real browser.
TEST_PACKAGES=(chromium nodejs)

# install_missing [PACKAGE...]: PACKAGES and those named
install_missing() {
    local missing=()
    for package in "${PACKAGES[@]}" "$@"; do
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

# playwright-core, as sim/tests/browser/package-lock.json pins it.
install_browser_driver() {
    [ -f sim/tests/browser/node_modules/playwright-core/package.json ] && return
    (cd sim/tests/browser && npm ci --no-audit --no-fund)
}

# build FOLDER [--target NAME] [CMAKE OPTION...]
build() {
    local folder=$1 targets=()
    shift
    if [ "${1:-}" = "--target" ]; then
        targets=(--target "$2")
        shift 2
    fi
    cmake -S . -B "$folder" "$@" >/dev/null
    cmake --build "$folder" -j "$(nproc)" "${targets[@]}"
}

# The deliverables for the real target, with their bitmaps drawn by the
# host build's tool, and the checks of the binaries.
cross_build() {
    cmake -S . -B build >/dev/null
    cmake --build build --target text_art_bitmap -j "$(nproc)"
    build build-target -DCMAKE_TOOLCHAIN_FILE=target/toolchain.cmake -DLEXOVIA_HOST_TOOLS="$PWD/build/host_tools.cmake"
    ctest --test-dir build-target --output-on-failure -j "$(nproc)"
}

# The fuzz targets, each over its seed corpus (fuzz/run_long.sh runs them long).
fuzz_check() {
    build build-fuzz --target fuzzers -DLEXOVIA_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
    ctest --test-dir build-fuzz -L fuzz --output-on-failure -j "$(nproc)"
}

# clang-tidy over our own sources (.clang-tidy says which checks and why),
# from the normal build's compile commands less the one option clang lacks.
tidy_check() {
    mkdir -p build/tidy
    sed 's/ -fno-gnu-unique//g' build/compile_commands.json >build/tidy/compile_commands.json
    run-clang-tidy -p build/tidy -quiet -j "$(nproc)" \
        "$PWD/((framework|finkeys|qvpen|pkgsetup|bootsip|sim)/src|platform/(src|device-sdk|startup)|tools/(bitmaps|containers))/" \
        >build/tidy/report.txt 2>&1 || { grep -E 'error:|warning:' build/tidy/report.txt; exit 1; }
}

case "${1:-}" in
demo)
    install_missing
    # Only what the demo runs: pocketsim and the libraries and programs it loads.
    build build --target pocketsim
    ./build/sim/pocketsim
    ;;
test)
    install_missing "${TEST_PACKAGES[@]}"
    install_browser_driver
    build build
    ctest --test-dir build --output-on-failure -j "$(nproc)"
    cross_build
    build build-sanitize -DLEXOVIA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
    fuzz_check
    tidy_check
    ;;
tidy)
    install_missing
    cmake -S . -B build >/dev/null
    tidy_check
    ;;
cross)
    install_missing
    cross_build
    ;;
*)
    echo "usage: $0 demo|test|cross|tidy" >&2
    exit 2
    ;;
esac
