#!/usr/bin/env bash
# `make run`: starts the local practice server on 127.0.0.1 in the background, waits until it
# listens, runs one client against it from its working folder (Imagens/ and Sons/ are generated
# there) and stops the server when the client ends. A server already listening is used as it is.
set -euo pipefail
build=${1:-build}
raiz=$(cd "$(dirname "$0")/.." && pwd)
pasta="$raiz/$build/execucao"
dados="$raiz/$build/servidor-dados"
endereco=127.0.0.1
mkdir -p "$pasta" "$dados"

escutando() { (exec 3<>"/dev/tcp/$endereco/$1") 2>/dev/null; }

if escutando 80 && escutando 10800; then
  echo "Já há um servidor escutando em $endereco (portas 80 e 10800): o cliente vai usá-lo."
else
  log="$dados/servidor.log"
  "$raiz/$build/server/velmor-servidor" --endereco "$endereco" --dados "$dados" >"$log" 2>&1 &
  servidor=$!
  trap 'kill "$servidor" 2>/dev/null || true; wait "$servidor" 2>/dev/null || true' EXIT
  for _ in $(seq 100); do
    grep -q "pronto em" "$log" && break
    if ! kill -0 "$servidor" 2>/dev/null; then
      echo "O servidor local não subiu:" >&2
      cat "$log" >&2
      exit 1
    fi
    sleep 0.1
  done
  if ! grep -q "pronto em" "$log"; then
    echo "O servidor local não respondeu a tempo; veja $log" >&2
    exit 1
  fi
  echo "Servidor local no ar em $endereco (registro em $log)."
  echo "Contas prontas, todas com a senha velmor: Soldado, Cabo, Sargento, Tenente, Novato; Staff: Vigia, Marechal."
  echo "Outro cliente para conversar: scripts/outro-cliente.sh $build"
fi

cd "$pasta"
cliente=("$raiz/$build/src/velmor" _dqtekp)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Sem tela gráfica (DISPLAY vazio): o Velmor vai rodar numa tela virtual (Xvfb)."
  xvfb-run -a -s "-screen 0 1280x800x24" "${cliente[@]}"
else
  "${cliente[@]}"
fi
