#!/usr/bin/env bash
# Starts the game as a player does, on SDL's windowless driver, lets it show
# its first frames, and asks it to quit the way the desktop does (SDL turns
# SIGTERM into a quit event). The game must still be running and end with 0.
set -u
game=${1:?usage: graymarch_smoke.sh path/to/graymarch}
export SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-dummy} SDL_AUDIODRIVER=dummy
"$game" &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid"
  echo "graymarch ended by itself with $? before it was asked to quit" >&2
  exit 1
fi
kill -TERM "$pid"
wait "$pid"
status=$?
[[ $status -eq 0 ]] || echo "graymarch quit with $status" >&2
exit "$status"
