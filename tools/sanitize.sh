#!/bin/bash
# Sanitizer and fuzzing builds of the Linux tree, with clang, each in its own build folder
# (build/sanitize-<mode>, libraries under build/sanitize-<mode>/dist so dist/ keeps only the
# deliverables):
#   tools/sanitize.sh asan         AddressSanitizer + UndefinedBehaviorSanitizer: the plug-in,
#                                  host-layer and validator tests (the editor toolkit's own
#                                  tests are left to the plain build to keep CI short), then
#                                  the validator on every plug-in
#   tools/sanitize.sh tsan         ThreadSanitizer, the thread storm test and the validator's
#                                  thread check on every plug-in
#   tools/sanitize.sh fuzz [SECS]  libFuzzer targets, each for SECS seconds (default 30) from
#                                  the committed corpora in tests/fuzz/corpus
# Ends with one line "sanitize <mode>: N passed, M failed" (fuzz: executions per target too).
set -uo pipefail
cd "$(dirname "$0")/.."
mode=${1:-}
seconds=${2:-30}
build=build/sanitize-$mode
# Plug-ins are loaded as shared objects, so the sanitizer runtime is shared too.
common="-fno-omit-frame-pointer -g -shared-libsan"
link_extra="-Wl,-rpath,$(clang -print-runtime-dir)"
case "$mode" in
  asan) flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined $common" ;;
  # The shared ThreadSanitizer runtime does not start here (clang 14), so programs link it
  # statically and the plug-ins they load find its symbols in them.
  tsan) flags="-fsanitize=thread -fno-omit-frame-pointer -g" ;;
  fuzz) flags="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g" ;;
  *) echo "usage: $0 asan|tsan|fuzz [seconds]" >&2; exit 2 ;;
esac

configure_and_build() {
  nice cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="$flags $link_extra" -DCMAKE_SHARED_LINKER_FLAGS="$flags $link_extra" \
    -DCMAKE_MODULE_LINKER_FLAGS="$flags $link_extra" \
    -DORVA_DIST_ROOT="$PWD/$build/dist" -DORVA_BUILD_BENCH=OFF "$@" >/dev/null &&
    nice cmake --build "$build" -j2 "${targets[@]}"
}

passed=0
failed=0
tally() { if [ "$1" = 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi; }

case "$mode" in
  asan)
    tests=(host_layer_tests filter_tests first_order_plugin_tests first_order_kernel_tests first_order_replay_tests
      decoder_tests rigdecoder_tests validator_tests thread_storm_tests)
    targets=(--target "${tests[@]}")
    configure_and_build || { echo "sanitize asan: 0 passed, 1 failed (build)"; exit 1; }
    # No leak check: every load of a plug-in carries its own static C++ runtime, whose
    # emergency exception pool (72 KB) is allocated at load and never freed at unload, so
    # each test that reloads a library would report it.
    export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    log=$(mktemp)
    xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$build" --output-on-failure --timeout 900 \
      -R "^($(IFS='|'; echo "${tests[*]}"))\$" 2>&1 | tee "$log"
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
    if [ -z "$line" ]; then failed=1; else
      failed=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$line")
      passed=$(( $(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line") - failed ))
    fi
    # The validator's checks (bad chunks, dispatcher fuzz, odd buffers) on every plug-in
    # built with the sanitizers: any report ends that check as a failure.
    xvfb-run -a -s "-screen 0 1280x1024x24" "$build"/bin/validate "$build"/dist/linux-x86_64/*.so \
      "$build"/dist/linux-x86_64/test-only/halvane_plain.so | tee "$log"
    line=$(grep -E '^validate: [0-9]+ passed, [0-9]+ failed' "$log" | tail -1)
    if [ -z "$line" ]; then failed=$((failed + 1)); else
      passed=$((passed + $(sed -E 's/^validate: ([0-9]+) passed.*/\1/' <<<"$line")))
      failed=$((failed + $(sed -E 's/.* ([0-9]+) failed.*/\1/' <<<"$line")))
    fi
    rm -f "$log"
    ;;
  tsan)
    targets=(--target thread_storm_tests decoder_editor_thread_tests validate orva_field orva_zoom orva_panner_effect
      orva_panner_master qel_filter halvane_plain orva_decoder_ui)
    configure_and_build -DORVA_SANITIZER_RUNTIME_IN_HOST=ON || { echo "sanitize tsan: 0 passed, 1 failed (build)"; exit 1; }
    export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1"
    "$build"/tests/validate/thread_storm_tests --gtest_color=no
    tally $?
    # Editors (headless twins) idling and opening on one thread while audio automates them.
    "$build"/tests/decodereditors/decoder_editor_thread_tests --gtest_color=no
    tally $?
    for lib in "$build"/dist/linux-x86_64/*.so "$build"/dist/linux-x86_64/test-only/halvane_plain.so; do
      out=$("$build"/bin/validate --check "$lib" "audio while another thread storms parameters, programs, chunks" 2>&1)
      echo "$lib:$out"
      grep -q '^@@result PASS' <<<"$out"
      tally $?
    done
    ;;
  fuzz)
    targets=(--target ToneFileFuzzer ChunkFuzzer)
    configure_and_build -DORVA_BUILD_FUZZERS=ON || { echo "sanitize fuzz: 0 passed, 1 failed (build)"; exit 1; }
    report=""
    for target in ToneFileFuzzer:tonefile ChunkFuzzer:chunk; do
      name=${target%%:*}
      corpus=$(mktemp -d)
      cp tests/fuzz/corpus/"${target##*:}"/* "$corpus"/
      log=$(mktemp)
      "$build"/tests/fuzz/"$name" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 "$corpus" >"$log" 2>&1
      result=$?
      runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
      tail -5 "$log"
      report="$report $name ${runs:-0} executions;"
      tally $result
      rm -rf "$corpus" "$log"
    done
    echo "fuzzed:$report"
    ;;
esac
echo "sanitize $mode: $passed passed, $failed failed"
[ "$failed" = 0 ]
