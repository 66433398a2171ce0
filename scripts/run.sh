#!/usr/bin/env bash
# Builds and starts the calculator window; without a graphical session it says how to use the CLI.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release
if [ ! -x build/release/src/gui/varnexa ]; then
    echo "The window is not built yet; here is the command-line front end:"
    build/release/src/cli/varnexa-cli --help
    exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "The calculator window needs a graphical session (no DISPLAY or WAYLAND_DISPLAY is set)."
    echo "Every function is reachable from the command line instead, for example:"
    echo "  build/release/src/cli/varnexa-cli list"
    echo "  build/release/src/cli/varnexa-cli call KX_WS_IF97_PsatT 100"
    echo "  build/release/src/cli/varnexa-cli --help"
    exit 1
fi
exec build/release/src/gui/varnexa
