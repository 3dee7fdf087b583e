#!/bin/bash
# Builds all three platforms and runs every test: the Linux tests natively, the Windows
# test programs under Wine (64- and 32-bit) in a virtual X display, and the host checks
# (exports, Ardour's scanner). Ends with one summary line per runner and a total.
set -uo pipefail
cd "$(dirname "$0")/.."
tools/setup-deps.sh || exit 1
tools/build-all.sh || { echo "build failed"; exit 1; }

summary=()
golden_lines=()
notes=()
total_passed=0
total_failed=0

# run_ctest PRESET "CTEST ARGS" COMMAND...: runs ctest for one preset inside COMMAND and
# records "passed, failed" from its closing line.
run_ctest() {
  local preset=$1 ctest_args=$2 log
  shift 2
  log=$(mktemp)
  echo "== test $preset"
  "$@" ctest --preset "$preset" --timeout 1500 $ctest_args 2>&1 | tee "$log"
  local line total failed
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  if [ -z "$line" ]; then
    total=0
    failed=1
  else
    failed=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$line")
    total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
  fi
  rm -f "$log"
  record "$preset" $((total - failed)) "$failed"
}

record() {
  summary+=("$1: $2 passed, $3 failed")
  total_passed=$((total_passed + $2))
  total_failed=$((total_failed + $3))
}

run_ctest linux-x86_64 "" xvfb-run -a -s "-screen 0 1280x1024x24 -noreset"
run_ctest win64 "" xvfb-run -a -s "-screen 0 1280x1024x24 -noreset"
# Where the kernel cannot run 32-bit programs, setup-deps.sh registers user-mode emulation
# for them, and every 32-bit program start then costs about a minute: the test programs
# then run as one combined program (one start), each program's results read from its report.
win32_emulated() {
  grep -qx enabled /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null || [ "${ORVA_EMULATE_WIN32:-0}" = 1 ]
}
if win32_emulated; then
  echo "== win32 runs under user-mode emulation: one combined start for all test programs"
  run_ctest win32 "-L combined|standalone" xvfb-run -a -s "-screen 0 1280x1024x24 -noreset"
  notes+=("win32 ran under user-mode emulation (qemu-i386): one combined start, and one each for the programs with bitmaps of their own")
  while IFS= read -r line; do
    notes+=("win32 under emulation leaves out ${line%% *#*}:${line#*#}")
  done < <(grep -v '^#' cmake/emulated-exclusions.txt | grep .)
else
  run_ctest win32 "-LE combined" xvfb-run -a -s "-screen 0 1280x1024x24 -noreset"
fi

# The same renders from every platform's build, compared sample by sample with Linux's.
echo "== golden check"
goldenlog=$(mktemp)
build/linux-x86_64/bin/golden_compare build/linux-x86_64/golden \
  win64=build/win64/golden win32=build/win32/golden | tee "$goldenlog"
record golden "$(grep -vc FAIL "$goldenlog")" "$(grep -c FAIL "$goldenlog")"
while IFS= read -r line; do golden_lines+=("$line"); done <"$goldenlog"
rm -f "$goldenlog"

echo "== host checks"
hostlog=$(mktemp)
tools/check-hosts.sh | tee "$hostlog"
line=$(tail -1 "$hostlog")
record hosts "$(sed -E 's/.*: ([0-9]+) passed.*/\1/' <<<"$line")" "$(sed -E 's/.* ([0-9]+) failed.*/\1/' <<<"$line")"
rm -f "$hostlog"

# The validator on every deliverable of each platform: one summary line per platform.
for platform in linux-x86_64 win64 win32; do
  echo "== validate $platform"
  vlog=$(mktemp)
  tools/validate/validate-dist.sh "$platform" 2>&1 | tee "$vlog"
  line=$(grep -E '^validate: [0-9]+ passed, [0-9]+ failed' "$vlog" | tail -1)
  if [ -z "$line" ]; then
    record "validate $platform" 0 1
  else
    record "validate $platform" "$(sed -E 's/^validate: ([0-9]+) passed.*/\1/' <<<"$line")" \
      "$(sed -E 's/.* ([0-9]+) failed.*/\1/' <<<"$line")"
  fi
  rm -f "$vlog"
done

# Sanitizer builds of the Linux tests and the fuzzers, 30 s each (tools/sanitize.sh);
# ORVA_SKIP_SANITIZERS=1 leaves them out.
if [ "${ORVA_SKIP_SANITIZERS:-0}" != 1 ]; then
  for mode in asan tsan fuzz; do
    echo "== sanitize $mode"
    slog=$(mktemp)
    tools/sanitize.sh "$mode" 2>&1 | tee "$slog"
    line=$(grep -E '^sanitize [a-z]+: [0-9]+ passed, [0-9]+ failed' "$slog" | tail -1)
    if [ -z "$line" ]; then
      record "sanitize $mode" 0 1
    else
      record "sanitize $mode" "$(sed -E 's/.*: ([0-9]+) passed.*/\1/' <<<"$line")" \
        "$(sed -E 's/.* ([0-9]+) failed.*/\1/' <<<"$line")"
    fi
    rm -f "$slog"
  done
fi

echo
echo "== summary"
for s in "${summary[@]}"; do echo "$s"; done
for s in "${golden_lines[@]}"; do echo "$s"; done
for s in "${notes[@]}"; do echo "note: $s"; done
echo "total: $total_passed passed, $total_failed failed"
[ "$total_failed" = 0 ]
