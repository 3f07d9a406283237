#!/usr/bin/env bash
# Installs the Debian packages the build and tests need, skipping those present.
set -euo pipefail
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"

packages=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev libqt6opengl6-dev
          qt6-webengine-dev libgl-dev xvfb xauth fonts-dejavu-core clang locales
          libmicrohttpd-dev libsodium-dev libgnutls28-dev libcpp-httplib-dev libsqlite3-dev libssl-dev
          pkg-config openssl dbus-daemon openbox x11-utils xdotool libxcb1-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi

# A comma-decimal locale, for the tests that prove number text ignores the locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Generating the de_DE.UTF-8 locale"
  $sudo_cmd localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
