#!/usr/bin/env bash
# Installs what is missing, builds Velkar and starts it with the example
# data. Without a display it shows on the terminal what the engine makes of
# the data: how each line is read, the orientation tensor and a diagram.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/src/gui/velkar examples/synoptic.txt
fi
batch=build/src/batch/velkar-batch
"$batch" read examples/foliation.txt --mode poles
"$batch" eigen examples/foliation.txt --mode poles
"$batch" plot examples/foliation.txt --mode poles --orientation grey -o build/foliation-poles.png
echo "No display: the diagram of the poles with their eigenvectors is in build/foliation-poles.png"
