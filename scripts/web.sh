#!/usr/bin/env bash
# Builds the calculator as one self-contained web page: build/web/trelvani.html.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build web
cmake --preset web >/dev/null
cmake --build --preset web --target trelvani_html trelvani_site
echo "Página lista: $(pwd)/build/web/trelvani.html"
echo "Ábrala con cualquier navegador (funciona sin servidor y sin red) o publíquela tal cual."
echo "Edición para alojar (se instala y funciona sin red): $(pwd)/build/web/sitio/ (véase docs/publicar.md)"
