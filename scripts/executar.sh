#!/usr/bin/env bash
# Runs the client from its working folder (Imagens/ and Sons/ are generated there).
set -euo pipefail
build=${1:-build}
raiz=$(cd "$(dirname "$0")/.." && pwd)
pasta="$raiz/$build/execucao"
mkdir -p "$pasta"
cd "$pasta"

cliente=("$raiz/$build/src/velmor" _dqtekp)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Sem tela gráfica (DISPLAY vazio): o Velmor vai rodar numa tela virtual (Xvfb)."
  exec xvfb-run -a -s "-screen 0 1280x800x24" "${cliente[@]}"
fi
exec "${cliente[@]}"
