#!/usr/bin/env bash
# Builds and runs every test: the core, the window (offscreen, and on Xvfb
# with Orca listening), the batch program, each once more under a
# comma-decimal locale; then the core under
# AddressSanitizer and UndefinedBehaviorSanitizer (the random walk included),
# the web page (WebAssembly against native, and in headless Chromium), the
# Debian package (installed and purged again only under CI), a smoke run of
# the benchmarks and a short run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
bash scripts/deps.sh build app test docs fuzz bench web browser package a11y
bash scripts/locale.sh es_ES.UTF-8

echo "== Compilación y pruebas (dev)"
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev

echo "== Compilación sin preset, como la hace quien empaqueta (Release, opciones por omisión)"
cmake -S . -B build/plain -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/plain

echo "== Pruebas con AddressSanitizer y UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

echo "== Página web: el núcleo en WebAssembly frente al nativo, y la página en Chromium, Firefox y WebKit"
cmake --preset web >/dev/null
cmake --build --preset web
# puppeteer-core as the lock file pins it; it never downloads a browser.
(cd tests/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
ctest --preset web

echo "== Paquete Debian (en CI, además, instalado, probado y purgado)"
if [[ "${CI:-}" == true ]]; then bash scripts/package.sh --install-check; else bash scripts/package.sh; fi

echo "== Benchmarks (compilación y una pasada breve)"
cmake --preset bench >/dev/null
cmake --build --preset bench
./build/bench/bench/trelvani_bench --benchmark_min_time=0.01 >/dev/null
./build/bench/bench/batch_bench --benchmark_min_time=0.01 >/dev/null

echo "== Fuzzing (corto)"
bash scripts/fuzz.sh "${TRELVANI_FUZZ_SECONDS:-20}"

# Every step above stops the script on a failure, so reaching here means all passed.
count() { ctest --preset "$1" -N | awk '/Total Tests:/ {print $3}'; }
echo "$(( $(count dev) + $(count asan) + $(count web) + 5 )) passed, 0 failed"
