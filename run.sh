#!/usr/bin/env bash
# Starts Noktaris, installing and building what is missing first. Without a
# display it runs under Xvfb, saves a screenshot of the start window and prints
# the picture's path.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"
ensure_packages
build noktaris
program="$NOKTARIS_BUILD_DIR/noktaris/noktaris"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi

shot="$NOKTARIS_BUILD_DIR/noktaris-screenshot.png"
export NOKTARIS_PROGRAM="$program" NOKTARIS_SHOT="$shot"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  "$NOKTARIS_PROGRAM" &
  pid=$!
  sleep 4
  import -window root "$NOKTARIS_SHOT"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
'
echo "No display: the start window was shown under Xvfb. Screenshot: $shot"
