#!/usr/bin/env bash
# Installs what Korvinth needs and builds it (Release) in build/; arguments go
# to `cmake --build` (for example `--target korvinth`). Both of the README's
# commands configure build/ through here, with the same settings, so they run
# in either order on a fresh checkout or a used one.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/packages.sh
settings=(-DCMAKE_BUILD_TYPE=Release -DKORVINTH_TESTS=ON -DKORVINTH_BENCH=ON)
# An existing build folder keeps the generator it was made with.
[[ -f build/CMakeCache.txt ]] || settings+=(-G Ninja)
cmake -S . -B build "${settings[@]}" >/dev/null
cmake --build build -j "$(nproc)" "$@"
