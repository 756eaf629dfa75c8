#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing daolsae need,
# when any of them is missing. Runs apt-get as root, or through sudo.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl1-mesa-dev
  fonts-nanum desktop-file-utils appstream qt6-translations-l10n
  dpkg-dev file
  clang libclang-rt-14-dev
  xvfb xdotool x11-utils dbus-daemon time
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
