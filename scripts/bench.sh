#!/usr/bin/env bash
# Builds and runs every benchmark in one run, prints each figure against its floor, and writes
# the figures with the machine and this command into docs/PERFORMANCE.md (between the markers;
# the text around them is kept).
#
#   scripts/bench.sh              build into ${BUILD_DIR:-build}, run, update docs/PERFORMANCE.md
#   RUNS=5 scripts/bench.sh       runs per figure (default 5; the start-up takes 2*RUNS+1 each)
#   NO_DOC=1 scripts/bench.sh     print only
#
# Figures:
#   window   a full settings read and a full write over USB HID (the virtual hidapi) and over
#            the serial line (the virtual reader behind a pseudo-terminal), each against the
#            pauses the code asks for during it (counted through the platform's pause seam)
#   start-up the window against an empty QMainWindow under Xvfb: time from process start to
#            the end of the first painted frame, peak memory (max RSS), and the processor time
#            used on the way
#   keylon2ctl (when built as keylon2ctl-demo on the virtual hidapi): read and write over each
#            transport against the same pauses, and `write FILE --all` with verify on 1, 4
#            and 16 virtual readers against one reader; `apply FILE --all` on 128 readers
#            against one, on readers that differ and on readers that already match, its peak
#            memory against 1.5 times one reader's plus 1 MiB per reader, and the frames a
#            reader that already matches receives (the virtual readers' tally)
#            and the station, `apply FILE --watch` (bench/bench_station.py): how soon a reader
#            plugged in is taken up (goals: median 0.5 s, worst 1 s), what waiting with 10 readers
#            attached costs (goal: 0.2 % of a core), and 16 readers plugged in at once against
#            one, each from the plug to its result line
#   soak     the station's long run (bench/bench_soak.py): SOAK_CYCLES (default 1,000) readers
#            plugged in and pulled out, 10 at once; every plug handled once, and its open
#            descriptors, threads and resident memory at cycle 100 against the end (the same,
#            memory within 1 MiB)
#   watch    the reader watcher: CPU while waiting for readers (listing once a second, the device
#            directory, and udev's monitor where udev runs), and how soon a plugged virtual reader
#            is seen (listing, device directory)
#   echo     the Status page's echo cost per chunk (no floor; shown for reference)
#   status   the Status page on the window's receive path (the virtual reader behind a
#            pseudo-terminal): the longest event-loop stall at line lengths up to 1 MiB, at
#            full line speed and at 9600 baud; resident bytes per byte shown for a minute of key
#            codes at 9600 baud, with and without line breaks; resident memory as the page fills
#            past its scrollback. Goals: no stall over 50 ms, at most 20 bytes per byte.
#   writer   the firmware writer's dialog while a stand-in writer prints 64 MiB: peak memory
#            growth (goal: at most 20 MiB)
#
#   FLOOD_SECONDS=60 FILL_MIB=16 WRITER_MIB=64 scripts/bench.sh    the sizes of those runs
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
command_line="scripts/bench.sh${*:+ $*}"
[ -n "${RUNS:-}" ] && command_line="RUNS=$RUNS $command_line"
[ -n "${SOAK_CYCLES:-}" ] && command_line="SOAK_CYCLES=$SOAK_CYCLES $command_line"
[ -n "${SOAK_CYCLES:-}" ] && command_line="SOAK_CYCLES=$SOAK_CYCLES $command_line"
[ -n "${BUILD_DIR:-}" ] && command_line="BUILD_DIR=$BUILD_DIR $command_line"
runs=${RUNS:-5}
build_dir=${BUILD_DIR:-build}
case $build_dir in /*) ;; *) build_dir=$root/$build_dir ;; esac
load_at_start=$(cut -d' ' -f1-3 /proc/loadavg)

work=$(mktemp -d)
serial_pids=()
cleanup() {
    for pid in "${serial_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

bash scripts/install-deps.sh --bench
if ! BUILD_DIR=$build_dir bash scripts/build.sh >"$work/build.log" 2>&1; then
    tail -30 "$work/build.log"
    exit 1
fi
figures=$work/figures
: >"$figures"
bench=$build_dir/bench

now_ns() { date +%s%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)] }'; }
# figure KEY UNIT MEDIAN FLOOR RUNS MIN MAX WHAT...
floor_of() { awk -v k="$1" '$2 == k { print $5 }' "$figures"; }
median_of() { awk -v k="$1" '$2 == k { print $4 }' "$figures"; }

echo "== window: settings read and write (offscreen) =="
mkdir -p "$work/window"
(cd "$work/window" && QT_QPA_PLATFORM=offscreen "$bench/bench_settings" "$runs" 2>"$work/settings.err") \
    | tee -a "$figures" || { echo "bench_settings failed:"; grep -v propagateSizeHints "$work/settings.err"; }

# A 1x screen: 96 dpi and a whole number of millimetres wide, so that the scale factor is 1.
echo "== start-up: window against an empty QMainWindow (Xvfb) =="
mkdir -p "$work/startup"
(cd "$work/startup" && XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1920x1200x24 -dpi 96" "$bench/bench_startup" "$((2 * runs + 1))" 2>"$work/startup.err") \
    | tee -a "$figures" || { echo "bench_startup failed:"; tail -5 "$work/startup.err"; }

echo "== keylon2ctl =="
ctl=${KEYLON2CTL:-$build_dir/keylon2ctl-demo}
ctl_note=""
if [ ! -x "$ctl" ]; then
    ctl_note="skipped: keylon2ctl not built"
    echo "$ctl_note"
else
    hid_cfg=$work/hid.cfg
    serial_cfg=$work/serial.cfg
    for cfg in "$hid_cfg" "$serial_cfg"; do
        iface=0; [ "$cfg" = "$serial_cfg" ] && iface=1
        cat >"$cfg" <<EOF
[FW]
Ver=1.20
[KEYLON]
Interface=$iface
PreEnable=1
Pre=PRE
PostEnable=1
Post=[CR]
RemoveEnable=0
Remove=R
RemoveIDCode=0
AutoReport=1
Buzzer=1
OutputStart=0
OutputLength=8
KBCountry=0
EOF
    done
    # time_ctl KEY FLOOR_MS WHAT -- COMMAND...: median wall time of RUNS runs of the command.
    time_ctl() {
        local key=$1 floor=$2 what=$3
        shift 4
        local times=() status=0 start end
        for _ in $(seq "$runs"); do
            start=$(now_ns)
            "$@" >"$work/ctl.out" 2>"$work/ctl.err" || status=$?
            end=$(now_ns)
            if [ "$status" -ne 0 ]; then
                echo "$key: exit $status: $(head -3 "$work/ctl.err")"
                return 0
            fi
            times+=("$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", (b - a) / 1e6 }')")
        done
        local med min max
        med=$(printf '%s\n' "${times[@]}" | median)
        min=$(printf '%s\n' "${times[@]}" | sort -n | head -1)
        max=$(printf '%s\n' "${times[@]}" | sort -n | tail -1)
        echo "figure $key ms $med $floor ${#times[@]} $min $max $what" | tee -a "$figures"
    }
    hid_read_floor=$(floor_of window.hid.read)
    hid_write_floor=$(floor_of window.hid.write)
    serial_read_floor=$(floor_of window.serial.read)
    serial_write_floor=$(floor_of window.serial.write)
    export KEYLON2_VIRTUAL_HID_READERS=1
    # What every command pays before it talks to a reader: start, parse, leave.
    time_ctl ctl.start 0 "keylon2ctl: --version (process start and exit; no floor)" -- "$ctl" --version
    time_ctl ctl.hid.read "$hid_read_floor" "keylon2ctl: full USB HID read" -- \
        "$ctl" read --device hid:/dev/virtual-hidraw1
    time_ctl ctl.hid.write "$hid_write_floor" "keylon2ctl: full USB HID write (no verify)" -- \
        "$ctl" write "$hid_cfg" --device hid:/dev/virtual-hidraw1 --no-verify

    "$build_dir/tools/virtual-reader/keylon2-virtual-reader" >"$work/serial.out" 2>&1 &
    serial_pids+=($!)
    for _ in $(seq 50); do [ -s "$work/serial.out" ] && break; sleep 0.1; done
    port=$(head -1 "$work/serial.out")
    if [ -z "$port" ]; then
        echo "ctl.serial: the virtual reader gave no port"
    else
        time_ctl ctl.serial.read "$serial_read_floor" "keylon2ctl: full serial read" -- \
            "$ctl" read --device "serial:$port"
        time_ctl ctl.serial.write "$serial_write_floor" "keylon2ctl: full serial write (no verify)" -- \
            "$ctl" write "$serial_cfg" --device "serial:$port" --no-verify
    fi

    verify_floor=$(( ${hid_write_floor:-0} + ${hid_read_floor:-0} ))
    for n in 1 4 16; do
        floor=$verify_floor
        [ "$n" -ne 1 ] && floor=$(median_of ctl.all.1)
        KEYLON2_VIRTUAL_HID_READERS=$n time_ctl "ctl.all.$n" "${floor:-0}" \
            "keylon2ctl: write --all with verify, $n reader$([ "$n" -eq 1 ] || echo s)" -- \
            "$ctl" write "$hid_cfg" --all
    done

    # apply: every reader differs from differ.cfg (read, write, save, read back); every reader
    # in its factory state already holds what match.cfg sets (one read).
    cat >"$work/differ.cfg" <<EOF
[KEYLON]
PreEnable=1
Pre=PRE
PostEnable=1
Post=[CR]
Buzzer=0
OutputLength=10
EOF
    cat >"$work/match.cfg" <<EOF
[KEYLON]
PreEnable=1
Pre=
PostEnable=0
Post=
RemoveEnable=0
Remove=
RemoveIDCode=0
AutoReport=1
Buzzer=1
OutputStart=0
OutputLength=8
KBCountry=0
EOF
    apply_readers=128
    for kind in differ match; do
        floor=${hid_read_floor:-0}
        what="readers that already match"
        if [ "$kind" = differ ]; then
            floor=$(( ${hid_read_floor:-0} * 2 + ${hid_write_floor:-0} ))
            what="readers that differ"
        fi
        KEYLON2_VIRTUAL_HID_READERS=1 time_ctl "ctl.apply.$kind.1" "$floor" \
            "keylon2ctl: apply --all, 1 of the $what" -- "$ctl" apply "$work/$kind.cfg" --all
        KEYLON2_VIRTUAL_HID_READERS=$apply_readers time_ctl "ctl.apply.$kind.$apply_readers" \
            "$(median_of "ctl.apply.$kind.1")" "keylon2ctl: apply --all, $apply_readers $what" -- \
            "$ctl" apply "$work/$kind.cfg" --all
    done
    # Peak memory (the process's max RSS, KiB) of apply on readers that differ.
    max_rss() {
        python3 -c 'import resource, subprocess, sys
subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)' "$@"
    }
    # rss_of N: median, min, max and count of RUNS runs on N readers.
    rss_of() {
        local values=()
        for _ in $(seq "$runs"); do
            values+=("$(KEYLON2_VIRTUAL_HID_READERS=$1 max_rss "$ctl" apply "$work/differ.cfg" --all)")
        done
        printf '%s\n' "${values[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)], v[1], v[NR], NR }'
    }
    read -r rss_one _ _ _ < <(rss_of 1)
    read -r rss_many rss_min rss_max rss_runs < <(rss_of "$apply_readers")
    budget=$(awk -v one="$rss_one" -v n="$apply_readers" 'BEGIN { printf "%.0f", 1.5 * one + 1024 * n }')
    echo "figure ctl.apply.rss.$apply_readers KiB $rss_many $budget $rss_runs $rss_min $rss_max keylon2ctl: apply --all peak memory (max RSS), $apply_readers readers that differ (one reader: $rss_one KiB)" \
        | tee -a "$figures"
    # What a reader that already matches costs: the frames it received, from the readers' tally.
    KEYLON2_VIRTUAL_HID_TALLY=$work/tally KEYLON2_VIRTUAL_HID_READERS=$apply_readers \
        "$ctl" apply "$work/match.cfg" --all >/dev/null 2>&1 || true
    if [ -s "$work/tally" ]; then
        read -r fewest most counted < <(awk '{ n = NF - 1; if (NR == 1 || n < lo) lo = n; if (n > hi) hi = n }
            END { print lo + 0, hi + 0, NR }' "$work/tally")
        echo "figure ctl.apply.match.frames frames $most 4 $counted $fewest $most keylon2ctl: frames each of $apply_readers matching readers received in one apply (the most; runs = readers)" \
            | tee -a "$figures"
    fi
    unset KEYLON2_VIRTUAL_HID_READERS
fi

if [ -x "$ctl" ]; then
    echo "== station: keylon2ctl apply --watch =="
    python3 bench/bench_station.py "$ctl" "$runs" 2>"$work/station.err" | tee -a "$figures" \
        || { echo "bench_station failed:"; tail -5 "$work/station.err"; }
fi

if [ -x "$ctl" ]; then
    echo "== soak: keylon2ctl apply --watch, ${SOAK_CYCLES:-1000} plug and unplug cycles =="
    python3 bench/bench_soak.py "$ctl" --cycles "${SOAK_CYCLES:-1000}" --at-once 10 --sample-every 100 --figures \
        2>"$work/soak.err" | tee -a "$figures" || { echo "bench_soak failed:"; tail -5 "$work/soak.err"; }
    grep '^cycle ' "$work/soak.err" || true
fi

echo "== reader watcher =="
"$bench/bench_watch" "$runs" 2>"$work/watch.err" | tee -a "$figures" \
    || { echo "bench_watch failed:"; tail -5 "$work/watch.err"; }

echo "== Status page echo (offscreen) =="
mkdir -p "$work/echo"
(cd "$work/echo" && QT_QPA_PLATFORM=offscreen "$bench/bench_echo" 2>/dev/null) | tee "$work/echo.out"

# Lines "limit KEY UNIT VALUE GOAL WHAT" are figures with a goal (at most); the other lines
# are kept for reference.
limits=$work/limits
: >"$limits" >"$work/status.out"
keep_limits() { tee -a "$work/status.out" | grep '^limit ' >>"$limits" || true; }
echo "== Status page: stalls on the window's receive path (offscreen) =="
mkdir -p "$work/status"
(cd "$work/status" && QT_QPA_PLATFORM=offscreen "$bench/bench_flood" 2>/dev/null) | tee /dev/stderr | keep_limits || true
echo "== Status page: memory for ${FLOOD_SECONDS:-60} s at 9600 baud, with and without line breaks side by side =="
(cd "$work/status" && {
    QT_QPA_PLATFORM=offscreen "$bench/bench_flood" --minute "${FLOOD_SECONDS:-60}" breaks 2>/dev/null >"$work/minute.breaks" &
    QT_QPA_PLATFORM=offscreen "$bench/bench_flood" --minute "${FLOOD_SECONDS:-60}" nobreaks 2>/dev/null >"$work/minute.nobreaks"
    wait
}) || true
cat "$work/minute.breaks" "$work/minute.nobreaks" | tee /dev/stderr | keep_limits || true
echo "== Status page: memory as ${FILL_MIB:-16} MiB fill it at full line speed =="
for variant in breaks nobreaks; do
    (cd "$work/status" && QT_QPA_PLATFORM=offscreen "$bench/bench_flood" --fill "${FILL_MIB:-16}" "$variant" 2>/dev/null) \
        | tee /dev/stderr | keep_limits || true
done
echo "== firmware writer's dialog: ${WRITER_MIB:-64} MiB of output (offscreen) =="
(cd "$work/status" && QT_QPA_PLATFORM=offscreen "$bench/bench_writer" "${WRITER_MIB:-64}" 2>/dev/null) \
    | tee /dev/stderr | keep_limits || true

# The goal of each figure, as a ratio to its floor; empty: no goal.
goal_of() {
    case $1 in
        window.*|ctl.hid.*|ctl.serial.*) echo 1.05 ;;
        startup.paint) echo 1.15 ;;
        startup.rss) echo 1.10 ;;
        startup.language) echo 1.05 ;;
        startup.cpu|startup.paint.noports) echo "" ;;
        ctl.all.4|ctl.all.16) echo 1.30 ;;
        ctl.apply.differ.128|ctl.apply.match.128) echo 1.30 ;;
        ctl.apply.rss.*|ctl.apply.match.frames) echo 1.00 ;;
        watch.*) echo 1.00 ;;
        station.pickup*|station.idle) echo 1.00 ;;
        station.all.16) echo 1.30 ;;
        soak.*) echo 1.00 ;;
        *) echo "" ;;
    esac
}
floor_name() {
    case $1 in
        window.*|ctl.hid.*|ctl.serial.*) echo "pauses asked for" ;;
        startup.language) echo "the window in English" ;;
        startup.*) echo "empty QMainWindow" ;;
        ctl.all.1) echo "write + read pauses" ;;
        ctl.all.*) echo "one reader (ctl.all.1)" ;;
        ctl.apply.differ.1) echo "read + write + read pauses" ;;
        ctl.apply.match.1) echo "read pauses" ;;
        ctl.apply.differ.*) echo "one reader (ctl.apply.differ.1)" ;;
        ctl.apply.match.frames) echo "one USB HID read: 4 requests" ;;
        ctl.apply.match.*) echo "one reader (ctl.apply.match.1)" ;;
        ctl.apply.rss.*) echo "1.5 x one reader + 1 MiB per reader" ;;
        ctl.start) echo "none" ;;
        watch.*|station.pickup*|station.idle) echo "the goal itself" ;;
        station.all.1) echo "read + write + read pauses" ;;
        station.all.*) echo "one reader (station.all.1)" ;;
        soak.rss) echo "the first sample + 1 MiB" ;;
        soak.*) echo "the first sample" ;;
    esac
}

table=$work/table
{
    echo "| Figure | What | Median | Runs (min–max) | Floor | Ratio | Goal | Met |"
    echo "|---|---|---|---|---|---|---|---|"
    while read -r _ key unit med floor n min max what; do
        goal=$(goal_of "$key")
        ratio=$(awk -v m="$med" -v f="$floor" 'BEGIN { if (f > 0) printf "%.3f", m / f; else print "—" }')
        met="—"
        if [ -n "$goal" ] && [ "$ratio" != "—" ]; then
            # Under a floor of pauses means pauses were skipped: not a success to claim.
            met=$(awk -v r="$ratio" -v g="$goal" -v k="$key" 'BEGIN {
                if (r < 1 && k !~ /^(startup|ctl\.all\.(4|16)|ctl\.apply\.(differ\.128|match\.128|rss)|watch\.|station\.|soak\.)/) print "**below its floor: check**";
                else print (r <= g) ? "yes" : "**no**" }')
        fi
        echo "| \`$key\` | $what | $med $unit | $n ($min–$max) | $floor $unit ($(floor_name "$key")) | $ratio | ${goal:-—} | $met |"
    done < <(grep '^figure ' "$figures")
} >"$table"

limit_table=$work/limit_table
{
    echo "| Figure | What | Measured | Goal (at most) | Met |"
    echo "|---|---|---|---|---|"
    while read -r _ key unit value goal what; do
        met=$(awk -v v="$value" -v g="$goal" 'BEGIN { print (v <= g) ? "yes" : "**no**" }')
        echo "| \`$key\` | $what | $value $unit | $goal $unit | $met |"
    done <"$limits"
} >"$limit_table"

echo
echo "== figures against their floors =="
cat "$table"
grep '^note ' "$figures" | sed 's/^note //'
[ -n "$ctl_note" ] && echo "keylon2ctl: $ctl_note"
echo
echo "== the Status page and the writer's dialog against their goals =="
cat "$limit_table"
grep -v '^limit ' "$work/status.out" || true

[ -n "${NO_DOC:-}" ] && exit 0

cxx=$(awk -F= '/^CMAKE_CXX_COMPILER:/ { print $2 }' "$build_dir/CMakeCache.txt")
build_type=$(awk -F= '/^CMAKE_BUILD_TYPE:/ { print $2 }' "$build_dir/CMakeCache.txt")
machine=$work/machine
{
    echo "- Date: $(date -u '+%Y-%m-%d %H:%M UTC')"
    echo "- Command: \`$command_line\`"
    echo "- CPU: $(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo), $(nproc) cores available"
    echo "- Memory: $(awk '/^MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)"
    echo "- OS: $(. /etc/os-release && echo "$PRETTY_NAME"), kernel $(uname -r)"
    echo "- Compiler: $("${cxx:-c++}" --version | head -1), build type ${build_type:-default}"
    echo "- Qt: $(pkg-config --modversion Qt5Core 2>/dev/null || echo unknown); Xvfb $(dpkg-query -W -f='${Version}' xvfb 2>/dev/null || echo unknown)"
    echo "- Load average when started (1, 5, 15 min): $load_at_start"
} >"$machine"

doc=docs/PERFORMANCE.md
begin='<!-- bench.sh: begin -->'
end='<!-- bench.sh: end -->'
[ -f "$doc" ] || printf '# Performance\n' >"$doc"
grep -qxF "$begin" "$doc" || printf '\n%s\n%s\n' "$begin" "$end" >>"$doc"
{
    echo "$begin"
    echo
    cat "$machine"
    echo
    cat "$table"
    grep '^note ' "$figures" | sed 's/^note /\n/'
    [ -n "$ctl_note" ] && { echo; echo "keylon2ctl: $ctl_note."; }
    echo
    echo "Status page echo, for reference (no floor):"
    echo
    echo '```'
    cat "$work/echo.out"
    echo '```'
    echo
    echo "The Status page on the window's receive path, and the firmware writer's dialog:"
    echo
    cat "$limit_table"
    echo
    echo '```'
    grep -v '^limit ' "$work/status.out" || true
    echo '```'
    echo
    echo "$end"
} >"$work/section"
awk -v begin="$begin" -v end="$end" -v section="$work/section" '
    $0 == begin { while ((getline line < section) > 0) print line; skip = 1; next }
    $0 == end { skip = 0; next }
    !skip { print }
' "$doc" >"$work/doc" && cp "$work/doc" "$doc"
echo "updated $doc"
