#!/usr/bin/env bash
# Builds the Debian package build/release/trelvani_VERSION_amd64.deb and checks
# it with lintian, desktop-file-validate and appstreamcli.
# With --install-check (CI) it also installs the package, runs both programs
# from /usr/bin, purges it and checks that nothing of it is left.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build app package
bash scripts/locale.sh es_ES.UTF-8
cmake --preset release >/dev/null
cmake --build --preset release
# The package's name carries the version the build took from CMake.
deb=$(cpack --preset deb | sed -n 's|^CPack: - package: \(.*\) generated\.$|\1|p')
[[ -f "$deb" ]] || { echo "cpack no escribió el paquete" >&2; exit 1; }
deb=$(realpath --relative-to=. "$deb")
desktop-file-validate src/programs/desktop/io.github.trelvani.Trelvani.desktop
appstreamcli validate --no-net build/release/src/programs/desktop/io.github.trelvani.Trelvani.metainfo.xml >/dev/null
lintian --fail-on error,warning "$deb" 2>&1 | grep -v 'root privileges' || true
lintian --fail-on error,warning "$deb" >/dev/null 2>&1
echo "Paquete: $deb"
[[ "${1:-}" == --install-check ]] || exit 0

as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
if dpkg-query -W -f='${Status}' trelvani 2>/dev/null | grep -q 'install ok installed'; then
    echo "trelvani ya está instalado en esta máquina: no se prueba la instalación" >&2
    exit 1
fi
xvfb=
cleanup() {
    [[ -z "$xvfb" ]] || kill "$xvfb" 2>/dev/null || true
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq trelvani >/dev/null 2>&1 || true
}
trap cleanup EXIT
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
files=$(dpkg -L trelvani | while read -r path; do [[ -f "$path" ]] && echo "$path"; done)

sum='{"set":{"XI":"1","XII":"2","XIII":"3","XIV":"4","YI":"5","YII":"6","YIII":"7","YIV":"8"},"click":"Suma"}'
reply=$(echo "$sum" | /usr/bin/trelvani-batch)
[[ "$reply" == *'"ZI":" 6","ZII":" 8","ZIII":" 10","ZIV":" 12"'* ]] || { echo "suma: $reply" >&2; exit 1; }
exercise='{"X": ["1", "2", "3", "4"], "Y": ["5", "6", "7", "8"], "botones": ["Suma"]}'
sheet=$(echo "$exercise" | /usr/bin/trelvani-ejercicios --formato markdown --solucionario)
[[ "$sheet" == *'ZIV \" 12\"'* ]] || { echo "ejercicios: $sheet" >&2; exit 1; }
[[ -f /usr/share/man/man1/trelvani-ejercicios.1.gz ]] || { echo "falta el manual de trelvani-ejercicios" >&2; exit 1; }
problem='{"metodo": "saw", "alternativas": ["A1", "A2"], "criterios": ["C1"], "pesos": ["A"], "valoraciones": [["R"], ["B"]]}'
ranking=$(echo "$problem" | /usr/bin/trelvani-decision)
[[ "$ranking" == *'"orden":["A2","A1"]}' ]] || { echo "decision: $ranking" >&2; exit 1; }
[[ -f /usr/share/man/man1/trelvani-decision.1.gz ]] || { echo "falta el manual de trelvani-decision" >&2; exit 1; }

# The window on a real X server: shown, with the title the window system gets.
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
DISPLAY=$display QT_QPA_PLATFORM=xcb /usr/bin/trelvani 2>build/release/trelvani-installed.log &
window=$!
title=
class=
for _ in $(seq 300); do
    id=$(DISPLAY=$display xwininfo -root -tree 2>/dev/null | awk '/"Trelvani Numeros Fuzzy Trapezoidales"/ {print $1; exit}')
    if [[ -n "$id" ]]; then
        title=$(DISPLAY=$display xprop -id "$id" _NET_WM_NAME)
        class=$(DISPLAY=$display xprop -id "$id" WM_CLASS)
        break
    fi
    sleep 0.1
done
kill "$window" 2>/dev/null || true
wait "$window" 2>/dev/null || true
[[ "$title" == '_NET_WM_NAME(UTF8_STRING) = "Trelvani Numeros Fuzzy Trapezoidales"' ]] || {
    echo "título: '$title'" >&2
    cat build/release/trelvani-installed.log >&2
    exit 1
}
# Docks group the window with its launcher by the class the entry names.
wm_class=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/io.github.trelvani.Trelvani.desktop)
[[ -n "$wm_class" && "$class" == *", \"$wm_class\""* ]] || { echo "WM_CLASS: '$class', StartupWMClass: '$wm_class'" >&2; exit 1; }

"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq trelvani >/dev/null
trap - EXIT
kill "$xvfb" 2>/dev/null || true
left=$(for path in $files; do [[ -e "$path" ]] && echo "$path"; done || true)
[[ -z "$left" ]] || { echo "quedan archivos tras purgar: $left" >&2; exit 1; }
echo "Paquete instalado, probado y purgado"
