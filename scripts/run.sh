#!/usr/bin/env bash
# Installs what is missing, builds Velkar and runs its main job on the
# example data: how each line is read, the orientation tensor and a diagram.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
batch=build/src/batch/velkar-batch
"$batch" read examples/foliation.txt --mode poles
"$batch" eigen examples/foliation.txt --mode poles
"$batch" plot examples/foliation.txt --mode poles --orientation grey -o build/foliation-poles.png
echo "The diagram of the poles with their eigenvectors: build/foliation-poles.png"
