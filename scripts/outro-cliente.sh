#!/usr/bin/env bash
# Starts one more client against the server that `make run` brought up, so two people can chat
# on one machine. It has its own working folder (its own Velmor.ini and logs) and borrows the
# pictures and sounds generated for the first client.
set -euo pipefail
build=${1:-build}
raiz=$(cd "$(dirname "$0")/.." && pwd)
principal="$raiz/$build/execucao"
pasta="$raiz/$build/execucao-outro"

if ! (exec 3<>/dev/tcp/127.0.0.1/10800) 2>/dev/null; then
  echo "Nenhum servidor do Velmor em 127.0.0.1: rode 'make run' antes, em outro terminal." >&2
  exit 1
fi
if [ ! -d "$principal/Imagens" ]; then
  echo "Faltam as imagens em $principal: rode 'make run' antes." >&2
  exit 1
fi
mkdir -p "$pasta"
for recurso in Imagens Sons; do
  [ -e "$pasta/$recurso" ] || ln -s "$principal/$recurso" "$pasta/$recurso"
done

cd "$pasta"
cliente=("$raiz/$build/src/velmor" _dqtekp)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Sem tela gráfica (DISPLAY vazio): o Velmor vai rodar numa tela virtual (Xvfb)."
  exec xvfb-run -a -s "-screen 0 1280x800x24" "${cliente[@]}"
fi
exec "${cliente[@]}"
