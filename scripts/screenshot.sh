#!/usr/bin/env bash
# Saves what the desktop of scripts/run.sh shows: scripts/screenshot.sh [FILE.png]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/screenshot.png}
import -display "$(cat build/windows/demo-prefix/.display)" -window root "$out"
echo "$out"
