#!/usr/bin/env bash
# Runs lotto in a real terminal (tmux), answers its menus, and turns the prediction screen
# and the detail screen into the SVG pictures that README.md shows.
# Needs tmux and python3. Writes docs/images/prediction-screen.svg and detail-screen.svg.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset default >/dev/null
cmake --build --preset default --target lotto >/dev/null

session=lotto-screens-$$
scratch=$(mktemp -d)
trap 'tmux kill-session -t "$session" 2>/dev/null || true; rm -rf "$scratch"' EXIT

# Waits until the screen shows `text`, for at most five seconds.
wait_for() {
    for _ in $(seq 50); do
        tmux capture-pane -t "$session" -p | grep -qF "$1" && return 0
        sleep 0.1
    done
    echo "capture_screens: the screen never showed '$1'" >&2
    exit 1
}

tmux new-session -d -s "$session" -x 80 -y 50 "LANG=C.UTF-8 ./build/default/lotto"
wait_for "선택하세요"
tmux send-keys -t "$session" 2 Enter
wait_for "3번: 결과 자세히 보기"
tmux capture-pane -t "$session" -e -p > "$scratch/prediction.ans"
tmux send-keys -t "$session" 3 Enter
wait_for "2번 돌아가기"
tmux capture-pane -t "$session" -e -p > "$scratch/detail.ans"
tmux send-keys -t "$session" 1 Enter

mkdir -p docs/images
python3 tools/ansi_to_svg.py "$scratch/prediction.ans" docs/images/prediction-screen.svg \
    "lotto: the prediction screen"
python3 tools/ansi_to_svg.py "$scratch/detail.ans" docs/images/detail-screen.svg \
    "lotto: the detail screen"
echo "docs/images/prediction-screen.svg and detail-screen.svg captured"
