#!/usr/bin/env bash
# Prints where tools/debian13/make_root.sh makes the Debian 13 root.
set -euo pipefail
echo "${XDG_CACHE_HOME:-$HOME/.cache}/keywright/debian13-root"
