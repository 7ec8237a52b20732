#!/usr/bin/env bash
# Installs from Debian's packages whatever this machine lacks to build and test.
set -euo pipefail

pakete=(cmake make gcc g++ binutils libxerces-c-dev libboost-dev libboost-date-time-dev
        libgtest-dev libgmock-dev libbenchmark-dev dpkg-dev file pkg-config
        python3-dev python3-pytest python3-stdnum)
[ "${DV_MIT_FUZZ:-0}" = 1 ] && pakete+=(clang libclang-rt-dev)
[ "${DV_MIT_PAKET:-0}" = 1 ] && pakete+=(lintian)
command -v python3 >/dev/null || pakete+=(python3)

fehlend=()
for paket in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "install ok installed" ||
    fehlend+=("$paket")
done
if [ ${#fehlend[@]} -eq 0 ]; then
  echo "install-deps: nothing missing"
  exit 0
fi
echo "install-deps: installing ${fehlend[*]}"
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
$sudo_cmd apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
