#!/usr/bin/env bash
# Installs the Debian packages a task needs, skipping those already present.
# Usage: scripts/deps.sh GROUP...   (groups: build app test docs fuzz bench web browser package a11y)
set -euo pipefail

declare -A groups=(
  [build]="g++ cmake ninja-build pkg-config nlohmann-json3-dev libfmt-dev"
  [app]="qt6-base-dev libgl-dev qt6-translations-l10n fonts-comic-neue librsvg2-bin"
  [test]="libgtest-dev locales dpkg-dev"
  # The tools the copies and exports are opened with in the tests.
  [docs]="texlive-latex-base texlive-latex-recommended texlive-lang-spanish lmodern poppler-utils pandoc gnumeric php-cli php-xml php-mbstring"
  [fuzz]="clang libclang-rt-14-dev"
  [bench]="libbenchmark-dev libx11-dev xvfb x11-utils"
  [web]="emscripten libfast-float-dev fonts-comic-neue python3 python3-fonttools python3-brotli esbuild zopfli librsvg2-bin"
  [browser]="chromium chromium-driver python3-selenium firefox-esr webkit2gtk-driver xvfb npm"
  [package]="help2man dpkg-dev lintian desktop-file-utils appstream xvfb x11-utils"
  [a11y]="orca python3-pyatspi speech-dispatcher libao4 at-spi2-core dbus xdotool xvfb x11-utils"
)

wanted=()
for group in "$@"; do
  [[ -n "${groups[$group]:-}" ]] || { echo "deps.sh: unknown group '$group'" >&2; exit 2; }
  for package in ${groups[$group]}; do
    # A Node.js from elsewhere may bring npm with it.
    [[ $package == npm ]] && command -v npm >/dev/null && continue
    if [[ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" != "install ok installed" ]]; then
      wanted+=("$package")
    fi
  done
done
[[ ${#wanted[@]} -eq 0 ]] && exit 0

as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
echo "Instalando: ${wanted[*]}"
# On a fresh desktop the automatic updates often hold the package manager's
# lock for a while: wait for it rather than fail.
apt=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
"${apt[@]}" update -qq
"${apt[@]}" install -y -qq "${wanted[@]}"
