#!/usr/bin/env bash
# Makes sure a comma-decimal locale exists for the locale test runs.
set -euo pipefail
name=${1:-es_ES.UTF-8}
if locale -a 2>/dev/null | grep -qix "${name/UTF-8/utf8}"; then exit 0; fi
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
"${as_root[@]}" localedef -i "${name%%.*}" -f UTF-8 "$name"
