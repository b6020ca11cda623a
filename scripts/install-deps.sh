#!/usr/bin/env bash
# Installs what building and testing need on Debian (as root, or through sudo).
set -euo pipefail
packages=(build-essential cmake qt6-base-dev libjpeg-dev libgtest-dev xvfb xauth)
[[ "${1:-}" == "--tests" ]] && packages+=(linuxcnc-uspace)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""
  [[ $(id -u) -ne 0 ]] && SUDO=sudo
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
