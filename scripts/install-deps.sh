#!/usr/bin/env bash
# Installs what building and testing need on Debian (as root, or through sudo).
# --tests adds LinuxCNC's interpreter for the interpreter checks; --fuzz adds
# clang 14 with its libFuzzer and sanitizer runtimes; --bench Google
# Benchmark and hyperfine.
set -euo pipefail
packages=(build-essential cmake qt6-base-dev libjpeg-dev libgtest-dev xvfb xauth)
for arg in "$@"; do
  case "$arg" in
    --tests) packages+=(linuxcnc-uspace) ;;
    --fuzz) packages+=(clang-14 libclang-rt-14-dev) ;;
    --bench) packages+=(libbenchmark-dev hyperfine) ;;
    *) echo "install-deps.sh: unknown option $arg" >&2 && exit 2 ;;
  esac
done
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
