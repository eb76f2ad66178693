#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package build/lexarion_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
(cd build && cpack -G DEB)
ls build/lexarion_*.deb
