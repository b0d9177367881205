#!/usr/bin/env bash
# All the benchmarks in one table: builds a Release build in build-release, then,
# under one Xvfb server for all runs,
#   - the whole program's start to the first show of the basic-mode window and its
#     quit (NOKTARIS_QUIT_AFTER_SHOW=1) against a bare Qt window of the same size
#     with as many widgets, alternating runs: median time and peak memory;
#   - keystroke_bench, viewer_bench and graph_bench (in-process, headless, the
#     tests' fake platform), their medians.
#
#   bash bench/run.sh            NOKTARIS_BENCH_RUNS (41) runs of each program,
#                                NOKTARIS_BENCH_JOBS (2) build jobs
set -euo pipefail

if [ "${1:-}" != "--measure" ]; then
  source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
  # djpeg is the yardstick of the viewer.
  NOKTARIS_PACKAGES+=(libjpeg-turbo-progs)
  ensure_packages
  build="$NOKTARIS_ROOT/build-release"
  echo "Building Release in $build ..."
  log="$build/bench-build.log"
  mkdir -p "$build"
  if ! { cmake -S "$NOKTARIS_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Release -DNOKTARIS_BUILD_TESTS=OFF &&
         cmake --build "$build" -j"${NOKTARIS_BENCH_JOBS:-2}" --target noktaris launch_bench bare_window \
           widget_count keystroke_bench viewer_bench graph_bench; } >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "The build failed; the whole log: $log"
    exit 1
  fi
  export NOKTARIS_ROOT NOKTARIS_BENCH_BUILD="$build"
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "${BASH_SOURCE[0]}" --measure
fi

# ---- Inside Xvfb ----------------------------------------------------------------
build="$NOKTARIS_BENCH_BUILD"
runs="${NOKTARIS_BENCH_RUNS:-41}"
out="$build/bench-results"
rm -rf "$out"
mkdir -p "$out"
export NOKTARIS_LAUNCH_LOG="$out/launch-stderr.log"
# Qt's runtime folder, the same for every program run here.
mkdir -m 700 "$out/runtime"
export XDG_RUNTIME_DIR="$out/runtime"
load_before="$(cut -d' ' -f1-3 /proc/loadavg)"
started=$(date +%s)

# The program reads config.ini beside itself (its folder is writable here). With
# "Aktualizace:1" it would ask the network for a newer version at start: then a
# copy of the folder with the check off is run instead.
program_dir="$build/noktaris"
update_note="config.ini of $program_dir has Aktualizace:0 (no update check at start)"
if grep -aq '^Aktualizace:1' "$program_dir/config.ini"; then
  copy="$build/bench-program"
  rm -rf "$copy"
  cp -a "$program_dir" "$copy"
  sed -i 's/^Aktualizace:1/Aktualizace:0/' "$copy/config.ini"
  program_dir="$copy"
  update_note="config.ini has Aktualizace:1: run from a copy, $copy, with Aktualizace:0"
fi
program="$program_dir/noktaris"
# A program folder it cannot write makes the program work in the user's data folder.
[ -w "$program_dir" ] || update_note="$update_note; the folder is not writable, so the program reads config.ini and the catalogues from the user's data folder"

# The program's widgets after its start, the basic-mode window's size, Qt's version.
QT_QPA_PLATFORM=xcb "$build/bench/widget_count" >"$out/widgets.tsv" 2>"$out/widget_count-stderr.log"
field() { awk -F'\t' -v key="$1" -v n="$2" '$1 == key { print $n; exit }' "$out/widgets.tsv"; }
qt_version="$(field qt 2)"
widgets="$(field widgets 2)"
visible="$(field widgets 12)"
width="$(field window 2)"
height="$(field window 3)"
bare_mix=("$(field bare 2)" "$(field bare 3)" "$(field bare 4)")
bare=("$build/bench/bare_window" "$width" "$height" "${bare_mix[@]}")

export NOKTARIS_QUIT_AFTER_SHOW=1
bare_widgets="$("${bare[@]}" --count 2>>"$NOKTARIS_LAUNCH_LOG" | cut -f2)"
quits=yes
timeout 20 "$program" >/dev/null 2>>"$NOKTARIS_LAUNCH_LOG" || quits=no
if [ "$quits" = yes ]; then
  "$build/bench/launch_bench" "$runs" 2 noktaris "$program" ::: bare "${bare[@]}" >"$out/launch.tsv"
else
  : >"$out/launch.tsv"
fi
unset NOKTARIS_QUIT_AFTER_SHOW

for bench in keystroke_bench viewer_bench graph_bench; do
  "$build/bench/$bench" --summary >"$out/$bench.txt" 2>"$out/$bench-stderr.log"
done
load_after="$(cut -d' ' -f1-3 /proc/loadavg)"
cat "$out"/launch.tsv "$out"/*_bench.txt | grep -aE '^(launch|figure)'$'\t' >"$out/figures.tsv" || true

# ---- The table --------------------------------------------------------------------
compiler="$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$build/CMakeCache.txt")"
echo
echo "Machine: $(grep -m1 '^model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), $(nproc) cores," \
     "$(uname -sr), Qt $qt_version, $("$compiler" --version | head -n1), Release build"
echo "Load average (1, 5, 15 min): $load_before before the runs, $load_after after"
echo

awk -F'\t' -v widgets="$widgets" -v visible="$visible" -v bare_widgets="$bare_widgets" -v width="$width" -v height="$height" \
    -v quits="$quits" -v runs="$runs" '
function ms(x, places) { return sprintf("%." places "f ms", x) }
function row(what, a, b, value, target, mark) {
  n++; cell[n, 1] = what; cell[n, 2] = a; cell[n, 3] = b; cell[n, 4] = value; cell[n, 5] = target; cell[n, 6] = mark
}
function mark(ok) { return ok ? "pass" : "MISS" }
$1 == "launch" { t[$2] = $3; tmin[$2] = $4; tmax[$2] = $5; rss[$2] = $6; count[$2] = $9; failed[$2] = $10; cpu[$2] = $11 }
$1 == "figure" { f[$2, $3] = $4; if (!(($2, $3) in seen)) { seen[$2, $3] = 1; order[$2, ++k[$2]] = $3 } }
END {
  row("What", "Noktaris", "bare Qt / djpeg", "ratio or value", "target", "mark")
  if (quits == "yes" && ("noktaris" in t) && t["bare"] > 0) {
    row(sprintf("start to first show to exit (%d runs)", count["noktaris"]), ms(t["noktaris"], 1), ms(t["bare"], 1),
        sprintf("%.2f x", t["noktaris"] / t["bare"]), "<= 2 x", mark(t["noktaris"] <= 2 * t["bare"]))
    row("  the same, CPU time of the process (user+sys)", ms(cpu["noktaris"], 1), ms(cpu["bare"], 1),
        sprintf("%.2f x", cpu["noktaris"] / cpu["bare"]), "-", "")
    row("peak resident memory (ru_maxrss)", sprintf("%.1f MiB", rss["noktaris"] / 1024),
        sprintf("%.1f MiB", rss["bare"] / 1024), sprintf("%.2f x", rss["noktaris"] / rss["bare"]), "<= 1.3 x",
        mark(rss["noktaris"] <= 1.3 * rss["bare"]))
  } else {
    row("start to first show to exit", "not run", "", "the program did not quit after its first show", "<= 2 x", "-")
  }
  worst = -1
  for (i = 1; i <= k["keystroke"]; i++) {
    name = order["keystroke", i]; v = f["keystroke", name]
    row("keystroke " name, ms(v, 4), "", ms(v, 4), "<= 0.1 ms", mark(v <= 0.1))
    if (v > worst) { worst = v; worstName = name }
  }
  if (worst >= 0)
    row("keystroke, worst (" worstName ")", ms(worst, 4), "", ms(worst, 4), "<= 0.1 ms", mark(worst <= 0.1))
  worst = -1
  for (i = 1; i <= k["pick"]; i++) {
    name = order["pick", i]; v = f["pick", name]
    if (v > worst) { worst = v; worstName = name }
  }
  if (worst >= 0)
    row(sprintf("catalogue pick, worst of %d (%s)", k["pick"], worstName), ms(worst, 4), "", ms(worst, 4), "-", "")
  for (i = 1; i <= k["shown"]; i++) {
    name = order["shown", i]; v = f["shown", name]; d = f["djpeg", name]
    row("picture first shown, " name, ms(v, 2), ms(d, 2), sprintf("%.2f x", v / d), "<= 0.5 x", mark(v <= d / 2))
  }
  split("zoom change,tab change,frame layout", label, ",")
  split("zoom,tab,frame", key, ",")
  for (i = 1; i <= 3; i++)
    if (("change", key[i]) in f) {
      v = f["change", key[i]]
      row("viewer " label[i] ", painted", ms(v, 2), "", ms(v, 2), "< 16 ms", mark(v < 16))
    }
  if (("start-up", "with pictures") in f) {
    w = f["start-up", "with pictures"]; wo = f["start-up", "without pictures"]
    row("in-process start-up, viewer pictures vs none", ms(w, 2), "", sprintf("%+.1f %% (%.2f ms without)", 100 * (w - wo) / wo, wo),
        "<= +10 %", mark(w <= 1.1 * wo))
  }
  for (i = 1; i <= k["graph"]; i++) {
    name = order["graph", i]; v = f["graph", name]
    row("graph " name, ms(v, 3), "", ms(v, 3), "< 2 ms", mark(v < 2))
  }
  for (i = 1; i <= n; i++)
    for (c = 1; c <= 6; c++)
      if (length(cell[i, c]) > wide[c]) wide[c] = length(cell[i, c])
  for (i = 1; i <= n; i++) {
    line = ""
    for (c = 1; c <= 6; c++) line = line (c == 1 ? "" : " | ") sprintf("%-" wide[c] "s", cell[i, c])
    print line
    if (i == 1) {
      line = ""
      for (c = 1; c <= 6; c++) { dash = sprintf("%" wide[c] "s", ""); gsub(/ /, "-", dash); line = line (c == 1 ? dash : "-+-" dash) }
      print line
    }
  }
  print ""
  if (quits == "yes") {
    printf "Whole-process runs: %d of each after 2 unmeasured, alternating, under Xvfb 1280x1024x24, from posix_spawn\n", runs
    printf "to the child'"'"'s exit seen by wait4; spread %.1f-%.1f ms (Noktaris), %.1f-%.1f ms (bare);", tmin["noktaris"], tmax["noktaris"], tmin["bare"], tmax["bare"]
    printf " failed runs %d and %d.\n", failed["noktaris"], failed["bare"]
  }
  printf "Bare window: %dx%d like the basic-mode window, %d widgets in all, every one shown; the program has %d\n",
    width, height, bare_widgets, widgets
  printf "after its start, %d of them shown (the basic-mode window'"'"'s), the rest in its fifteen hidden windows.\n", visible
  print "Keystrokes, viewer and graphs: keystroke_bench, viewer_bench, graph_bench in-process, offscreen, fake platform."
}' "$out/figures.tsv"
echo "$update_note."
echo "Widget classes, the runs' output and error output: $out ($(($(date +%s) - started)) s of measuring)"
