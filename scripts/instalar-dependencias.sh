#!/usr/bin/env bash
# Installs every Debian 12 package the project needs; packages already present are skipped.
set -euo pipefail

pacotes=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6multimedia6 libqt6sql6-sqlite libgl-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-dejavu-core fonts-liberation2 fonts-wine
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good pulseaudio-utils
)

faltam=()
for p in "${pacotes[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    faltam+=("$p")
  fi
done

if [ ${#faltam[@]} -eq 0 ]; then
  exit 0
fi

echo "Instalando: ${faltam[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${faltam[@]}"
