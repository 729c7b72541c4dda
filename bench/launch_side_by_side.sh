#!/usr/bin/env bash
# A fresh start of the editor beside a peer editor (Geany, when it is installed), under a private
# X server: each program is started anew, rounds interleaved, with no file and with the 10 MB code
# page 932 page of bench_launch on its command line.
#
#   bench/launch_side_by_side.sh [BUILD_DIR] [ROUNDS]       (defaults: build, 3)
#
# For every start it measures, from the launch:
#   shown  the first moment a visible window titled with the file's or the program's name exists
#   idle   the moment the process's CPU time last grew, once the window is shown, after which it
#          stays unchanged for 200 ms (the 200 ms of watching are not counted)
#   cpu    the CPU time of the process (all its threads, user and system) at idle
#   rss    its resident memory (VmRSS) at idle
# It prints the median of the rounds for each program and the ratio of the idle times. It never
# fails on the figures; it stops only when something it needs is missing.
set -uo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
rounds="${2:-3}"
quiet_ms=200
give_up_ms=30000

for tool in Xvfb xdotool; do
  if ! command -v "$tool" > /dev/null; then
    echo "$tool is missing (apt-get install xvfb xdotool)" >&2
    exit 2
  fi
done
pelmor="$build/pelmor"
bench_launch="$build/bench/bench_launch"
for f in "$pelmor" "$bench_launch"; do
  if [ ! -x "$f" ]; then
    echo "$f is missing: build the program and the benchmarks first" >&2
    exit 2
  fi
done
geany="$(command -v geany || true)"

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null && wait "$xvfb_pid" 2> /dev/null
  rm -rf "$work"
}
trap cleanup EXIT

page="$work/pages/large.html"
mkdir -p "$work/pages"
"$bench_launch" --write-page="$page" || { echo "could not write the large page" >&2; exit 2; }

# A display of our own: -displayfd writes the number of the display Xvfb found free.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3> "$work/display" > "$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display=""
for ((i = 0; i < 100; ++i)); do
  [ -s "$work/display" ] && read -r display < "$work/display" && [ -n "$display" ] && break
  sleep 0.1
done
if [ -z "$display" ]; then
  echo "Xvfb did not start:" >&2
  cat "$work/xvfb.log" >&2
  exit 2
fi
export DISPLAY=":$display"
clock_ticks="$(getconf CLK_TCK)"

now_ms() {
  local t
  t="$(date +%s%N)"
  echo $((t / 1000000))
}

# CPU time of a process in clock ticks (utime + stime of all its threads), or nothing when it is gone.
cpu_ticks() {
  local stat rest
  read -r stat < "/proc/$1/stat" 2> /dev/null || return 1
  rest="${stat##*) }"
  # Fields after the name: state is field 3, utime 14 and stime 15 of the whole line.
  set -- $rest
  echo $((${12} + ${13}))
}

rss_kb() {
  awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2> /dev/null
}

# measure NAME_PATTERN WORKDIR COMMAND...: prints "shown idle cpu_ms rss_kb" (ms from launch).
measure() {
  local pattern="$1" dir="$2"
  shift 2
  local start pid shown="" last_cpu="" last_change now cpu idle="" rss=""
  start="$(now_ms)"
  (cd "$dir" && exec "$@" > "$work/program.log" 2>&1) &
  pid=$!
  last_change="$start"
  while :; do
    now="$(now_ms)"
    cpu="$(cpu_ticks "$pid")" || break
    if [ "$cpu" != "$last_cpu" ]; then
      last_cpu="$cpu"
      last_change="$now"
    fi
    if [ -z "$shown" ] && xdotool search --onlyvisible --name "$pattern" > /dev/null 2>&1; then
      shown=$(($(now_ms) - start))
      last_change="$(now_ms)"
    fi
    if [ -n "$shown" ] && [ $((now - last_change)) -ge "$quiet_ms" ]; then
      idle=$((last_change - start))
      rss="$(rss_kb "$pid")"
      break
    fi
    if [ $((now - start)) -ge "$give_up_ms" ]; then
      break
    fi
    sleep 0.01
  done
  local cpu_ms=""
  [ -n "$last_cpu" ] && cpu_ms=$((last_cpu * 1000 / clock_ticks))
  kill "$pid" 2> /dev/null
  wait "$pid" 2> /dev/null
  if [ -z "$idle" ]; then
    echo "- - - -"
  else
    echo "$shown $idle $cpu_ms $rss"
  fi
}

# Ours: a copy of the built program in a fresh program folder with the program's data files, as a
# user's copied folder would be.
run_pelmor() {
  local dir="$work/pelmor.$RANDOM"
  mkdir -p "$dir"
  cp "$pelmor" "$dir/pelmor"
  cp -r "$build/resource" "$dir/resource"
  if [ $# -gt 0 ]; then
    measure "ペルモア|$(basename "$1")" "$(dirname "$1")" env QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1 "$dir/pelmor" "$@"
  else
    measure "ペルモア" "$dir" env QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1 "$dir/pelmor"
  fi
  rm -rf "$dir"
}

# Geany: a new instance with a fresh configuration folder.
run_geany() {
  local config="$work/geany.$RANDOM"
  mkdir -p "$config"
  if [ $# -gt 0 ]; then
    measure "$(basename "$1")" "$(dirname "$1")" "$geany" -i -c "$config" "$@"
  else
    measure "Geany" "$work" "$geany" -i -c "$config"
  fi
  rm -rf "$config"
}

programs=(pelmor)
if [ -n "$geany" ]; then
  programs+=(geany)
else
  echo "note: geany is not installed; only this program is measured"
fi

declare -A results
for ((round = 1; round <= rounds; ++round)); do
  for start in empty large; do
    for program in "${programs[@]}"; do
      if [ "$start" = large ]; then
        figures="$(run_"$program" "$page")"
      else
        figures="$(run_"$program")"
      fi
      results["$program.$start"]+="$figures;"
      echo "round $round  $program  $start: shown/idle/cpu ms, rss kB: $figures"
    done
  done
done

# The median of one column (1 shown, 2 idle, 3 cpu, 4 rss) of the rounds of program.start.
median() {
  tr ';' '\n' <<< "${results[$1]}" | awk -v c="$2" 'NF { print $c }' | grep -v -- '-' | sort -n \
    | awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else if (NR % 2) print v[(NR + 1) / 2]; else print int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

echo
echo "median of $rounds rounds, $(nproc) cores, DISPLAY=$DISPLAY (Xvfb, xcb)"
printf '%-8s %-6s %9s %9s %9s %9s %16s\n' program start "shown ms" "idle ms" "cpu ms" "rss MB" "rss added MB"
for program in "${programs[@]}"; do
  empty_rss="$(median "$program.empty" 4)"
  for start in empty large; do
    rss="$(median "$program.$start" 4)"
    added="-"
    if [ "$start" = large ] && [ "$rss" != "-" ] && [ "$empty_rss" != "-" ]; then
      added="$(awk -v a="$rss" -v b="$empty_rss" 'BEGIN { printf "%.1f", (a - b) / 1024 }')"
    fi
    rss_mb="-"
    [ "$rss" != "-" ] && rss_mb="$(awk -v a="$rss" 'BEGIN { printf "%.1f", a / 1024 }')"
    printf '%-8s %-6s %9s %9s %9s %9s %16s\n' "$program" "$start" "$(median "$program.$start" 1)" \
      "$(median "$program.$start" 2)" "$(median "$program.$start" 3)" "$rss_mb" "$added"
  done
done
if [ -n "$geany" ]; then
  for start in empty large; do
    ours="$(median "pelmor.$start" 2)"
    theirs="$(median "geany.$start" 2)"
    if [ "$ours" != "-" ] && [ "$theirs" != "-" ] && [ "$theirs" -gt 0 ]; then
      awk -v a="$ours" -v b="$theirs" -v s="$start" 'BEGIN { printf "idle time, pelmor / geany, %s start: %.2f\n", s, a / b }'
    fi
  done
fi
exit 0
