#!/usr/bin/env bash
# Sets up the machine, builds the program and starts it. With no display (no DISPLAY), it runs
# the program on a private Xvfb instead: once the main window has settled it saves a screenshot
# of it, says where the screenshot is, and closes the program.
#
# The endpoints are fixed when the program is built; VEXLUNE_MAKER_URL, VEXLUNE_BLOG_URL,
# VEXLUNE_NOTICE_POST and VEXLUNE_SEARCH_URL in the environment override the defaults
# (for example http://127.0.0.1:28080 to try it against a local server).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

build=build/release
endpoints=()
for name in VEXLUNE_MAKER_URL VEXLUNE_BLOG_URL VEXLUNE_NOTICE_POST VEXLUNE_SEARCH_URL; do
  [[ -n "${!name:-}" ]] && endpoints+=("-D$name=${!name}")
done
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEXLUNE_TESTS=OFF \
  "${endpoints[@]}" >/dev/null
cmake --build "$build" -j2 --target vexlune vexlune_xwindow
program=$build/platform/wx/vexlune
xwindow=$build/platform/wx/vexlune_xwindow

if [[ -n "${DISPLAY:-}" ]]; then
  exec "$program"
fi

# No display: a private X server. Xvfb picks a free display number and writes it to fd 3.
export NO_AT_BRIDGE=1  # no accessibility bus on a bare server; looking for one stalls GTK
number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" 2>/dev/null &
xvfb=$!
program_pid=
cleanup() {
  [[ -n "$program_pid" ]] && kill "$program_pid" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -f "$number_file"
}
trap cleanup EXIT
for _ in $(seq 100); do
  [[ -s "$number_file" ]] && break
  sleep 0.1
done
[[ -s "$number_file" ]] || { echo "run.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$number_file")"

"$program" &
program_pid=$!
title="Vexlune资源器[最新最全的电影资源] v 3.0"
window=""
for _ in $(seq 60); do
  # An update offer comes before the main window; the screenshot is of the main window.
  if prompt=$("$xwindow" wait "更新提示" 0 2>/dev/null); then
    "$xwindow" close "${prompt%% *}"
  fi
  if found=$("$xwindow" wait "$title" 1); then
    window=$found
    break
  fi
  kill -0 "$program_pid" 2>/dev/null || break
done
[[ -n "$window" ]] || { echo "run.sh: the main window did not appear" >&2; exit 1; }
read -r id left top width height <<<"$window"

# Settled: two grabs a second apart show the same pixels (the web page has loaded, the
# notice page has been applied), or 20 seconds have passed.
grab() { import -window root -crop "${width}x${height}+${left}+${top}" rgb:- | md5sum; }
previous=$(grab)
for _ in $(seq 20); do
  sleep 1
  current=$(grab)
  [[ "$current" == "$previous" ]] && break
  previous=$current
done
mkdir -p build/screenshots
shot=$PWD/build/screenshots/main-window.png
import -window root -crop "${width}x${height}+${left}+${top}" "$shot"
echo "screenshot of the main window: $shot"

"$xwindow" close "$id"
status=0
for _ in $(seq 100); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
  echo "run.sh: the program did not close; stopping it" >&2
  status=1
else
  wait "$program_pid" || status=$?
  program_pid=
  echo "the program closed with status $status"
fi
exit "$status"
