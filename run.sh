#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tavelor.
set -euo pipefail
cd "$(dirname "$0")"
scripts/preparer.sh
exec ./build/tavelor "$@"
