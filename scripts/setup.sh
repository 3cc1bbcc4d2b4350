#!/usr/bin/env bash
# Installs what the build needs (when missing), builds everything, and then
#   example:  runs the bundled example design and prints where the report went;
#   test:     runs every test, ending with the test runner's summary;
#   sanitize: builds everything again with AddressSanitizer and
#             UndefinedBehaviorSanitizer in build-asan and runs every test
#             there, ending with the test runner's summary.
# Safe to repeat: installed packages and an existing build are reused.
set -euo pipefail
cd "$(dirname "$0")/.."

what=${1:-}
if [[ "$what" != example && "$what" != test && "$what" != sanitize ]]; then
  echo "usage: scripts/setup.sh example|test|sanitize" >&2
  exit 2
fi

packages=(cmake g++ ninja-build libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-svg-dev poppler-utils
          nlohmann-json3-dev
          fonts-dejavu-core locales bsdutils dpkg-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [[ "$what" == sanitize ]]; then
  # The presets set the build type, the sanitizers and the tests' options
  # (CMakePresets.json).
  cmake --preset asan >/dev/null
  cmake --build --preset asan
  ctest --preset asan
  exit
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2

if [[ "$what" == example ]]; then
  build/bin/keldor-run examples/design-10ft-spread.in
else
  cd build
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
fi
