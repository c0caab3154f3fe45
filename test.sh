#!/usr/bin/env bash
# Installs what is missing, builds Stormwick and runs every check:
#   1. the normal build in build/ (the one run.sh starts);
#   2. the tests without windows built with AddressSanitizer and UndefinedBehaviorSanitizer in
#      build-asan/, run under ctest;
#   3. the fuzz targets built with clang in build-fuzz/, each run for a short fixed time on its
#      seed corpus tests/fuzz/<target>/ (copied to a scratch folder outside the repository);
#   4. all tests of the normal build under ctest, last, so that its summary ends the output.
# The exit status is non-zero when any stage fails.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")"
source scripts/setup.sh

readonly ASAN_BUILD_DIR=build-asan
readonly FUZZ_BUILD_DIR=build-fuzz
readonly FUZZ_SECONDS_PER_TARGET=20
readonly FUZZ_RSS_LIMIT_MB=512
# One input that runs longer than this counts as a hang.
readonly FUZZ_SECONDS_PER_INPUT=10
# A default time limit for each ctest test, so that a test stuck in an event loop fails instead
# of holding up the whole run.
readonly CTEST_TIMEOUT_SECONDS=300

# The Qt tests run without a display.
export QT_QPA_PLATFORM=offscreen
# Only the sanitized programs read these.
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# One line per stage for the recap, and whether any stage failed.
stage_results=()
any_stage_failed=0

run_ctest() {
  ctest --test-dir "$1" --output-on-failure -j "$STORMWICK_JOBS" \
    --timeout "$CTEST_TIMEOUT_SECONDS" --no-tests=error
}

asan_stage() {
  say "Stage: sanitized tests (ASan + UBSan, no windows) in $ASAN_BUILD_DIR"
  # Debug keeps the sanitizer reports' stack traces exact.
  configure_build "$ASAN_BUILD_DIR" \
    -DCMAKE_BUILD_TYPE=Debug \
    -DSTORMWICK_GUI=OFF \
    -DSTORMWICK_SANITIZE=ON \
    -DSTORMWICK_FUZZ=OFF || return 1
  build_targets "$ASAN_BUILD_DIR" || return 1
  run_ctest "$ASAN_BUILD_DIR"
}

# Runs one fuzz target on a scratch copy of its seed corpus. Prints one line when it passes;
# the end of libFuzzer's log and the saved crash inputs when it fails.
run_fuzz_target() {
  local program="$1"
  local scratch="$2"
  local name
  name="$(basename "$program")"
  local work="$scratch/$name"
  mkdir -p "$work/corpus" "$work/artifacts"

  local seeds="tests/fuzz/$name"
  if [[ -d "$seeds" ]]; then
    cp -R "$seeds/." "$work/corpus/"
  else
    say "fuzz: $name has no seed corpus in $seeds; it starts from an empty one"
  fi

  local rc=0
  "$program" \
    -max_total_time="$FUZZ_SECONDS_PER_TARGET" \
    -rss_limit_mb="$FUZZ_RSS_LIMIT_MB" \
    -timeout="$FUZZ_SECONDS_PER_INPUT" \
    -artifact_prefix="$work/artifacts/" \
    "$work/corpus" > "$work/fuzz.log" 2>&1 || rc=$?

  if (( rc == 0 )); then
    say "fuzz: $name passed: $(grep -E '^Done [0-9]+ runs' "$work/fuzz.log" | tail -n 1)"
    return 0
  fi
  say "fuzz: $name FAILED (exit status $rc); the end of its log ($work/fuzz.log):"
  tail -n 60 "$work/fuzz.log"
  say "fuzz: inputs saved by $name:"
  find "$work/artifacts" -type f -print
  return 1
}

fuzz_stage() {
  say "Stage: fuzz targets (clang, libFuzzer) in $FUZZ_BUILD_DIR"
  # ASan and UBSan on the whole fuzz build, so that a memory fault in the code under test stops
  # the fuzzer and not only an outright crash. Optimised, as fuzzing wants speed, but without
  # NDEBUG so that assert() stays live.
  configure_build "$FUZZ_BUILD_DIR" \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
    -DSTORMWICK_GUI=OFF \
    -DSTORMWICK_SANITIZE=ON \
    -DSTORMWICK_FUZZ=ON || return 1
  # Only the fuzz folder: the tests are built and run in the other stages.
  build_targets "$FUZZ_BUILD_DIR" fuzz/all || return 1

  local programs=()
  if [[ -d "$FUZZ_BUILD_DIR/fuzz" ]]; then
    mapfile -t programs < <(find "$FUZZ_BUILD_DIR/fuzz" -maxdepth 1 -type f -name 'fuzz_*' -perm -u+x | LC_ALL=C sort)
  fi
  if (( ${#programs[@]} == 0 )); then
    say "fuzz: the build made no fuzz_* program in $FUZZ_BUILD_DIR/fuzz"
    return 1
  fi

  local scratch
  scratch="$(mktemp -d "${TMPDIR:-/tmp}/stormwick-fuzz.XXXXXX")"
  local passed=0
  local failed=0
  local program
  for program in "${programs[@]}"; do
    if run_fuzz_target "$program" "$scratch"; then
      passed=$((passed + 1))
    else
      failed=$((failed + 1))
    fi
  done
  say "fuzz: $passed passed, $failed failed"
  if (( failed == 0 )); then
    rm -rf "$scratch"
    return 0
  fi
  say "fuzz: the corpora, logs and crash inputs are kept in $scratch"
  return 1
}

# record_stage NAME STATUS
record_stage() {
  if (( $2 != 0 )); then
    stage_results+=("$1: FAILED")
    any_stage_failed=1
  else
    stage_results+=("$1: passed")
  fi
}

main() {
  install_missing_packages "${STORMWICK_BUILD_PACKAGES[@]}" "${STORMWICK_TEST_PACKAGES[@]}"

  local rc=0
  say "Stage: normal build in $STORMWICK_MAIN_BUILD_DIR"
  build_main || rc=$?
  record_stage "normal build" "$rc"
  local main_build_ok=$rc

  rc=0
  asan_stage || rc=$?
  record_stage "sanitized tests" "$rc"

  rc=0
  fuzz_stage || rc=$?
  record_stage "fuzz targets" "$rc"

  local line
  for line in "${stage_results[@]}"; do
    say "$line"
  done

  if (( main_build_ok != 0 )); then
    say "Stage: tests of the normal build: not run, the build in $STORMWICK_MAIN_BUILD_DIR failed"
    exit 1
  fi
  say "Stage: tests of the normal build in $STORMWICK_MAIN_BUILD_DIR"
  rc=0
  run_ctest "$STORMWICK_MAIN_BUILD_DIR" || rc=$?
  if (( rc != 0 || any_stage_failed != 0 )); then
    exit 1
  fi
}

main "$@"
