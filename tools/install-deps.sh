#!/usr/bin/env bash
# Installs the Debian packages the editor needs to build, run and test.
# Nothing is fetched from outside Debian. Works as root or with sudo.
set -euo pipefail

packages=(
  g++ cmake ninja-build ccache pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-qpa-plugins libgl-dev
  # A real Modbus RTU slave on a pseudo-terminal pair for the serial tests.
  python3-pymodbus socat
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
else
  as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
