#!/usr/bin/env bash
# Installs what is missing, builds the program, assembles dist/Scorebinder/ and starts it.
set -euo pipefail
cd "$(dirname "$0")"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Scorebinder needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not set)." >&2
  exit 1
fi

tools/install-packages.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release --parallel "$(nproc)"

# Replace the program and the shipped files; settings.dft and the team folders stay untouched.
# The "portable" marker keeps the data beside the program.
app=dist/Scorebinder
mkdir -p "$app"
install -m 755 build-release/src/app/scorebinder "$app/scorebinder"
cp -f assets/TIPOFDAY.TXT assets/logo2.bmp "assets/Scorebinder Baseball.html" "$app/"
touch "$app/portable"

exec "$app/scorebinder"
