#!/usr/bin/env bash
# Builds everything and runs every test: the unit tests (also under AddressSanitizer and
# UndefinedBehaviorSanitizer), the Windows build's checks, the end-to-end tests of the Linux
# program on Xvfb and of the Windows program under wine, and the fuzzers for a bounded time.
set -uo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh test || exit 1
jobs=$(nproc)
stages_passed=0
stages_failed=0
stage() {  # stage NAME COMMAND...: runs one stage and counts it
  local name=$1; shift
  echo; echo "=== $name"
  if "$@"; then stages_passed=$((stages_passed + 1)); else
    stages_failed=$((stages_failed + 1)); echo "=== $name FAILED"; fi
}
configure_and_build() {  # configure_and_build DIR CMAKE-ARGS...
  local dir=$1; shift
  cmake -S . -B "$dir" -Wdev -Werror=dev "$@" > "$dir.configure.log" 2>&1 ||
    { cat "$dir.configure.log"; return 1; }
  cmake --build "$dir" -j"$jobs" 2>&1 | tee "$dir.build.log" | grep -E 'warning|error' && return 1
  [ "${PIPESTATUS[0]}" -eq 0 ]
}
mkdir -p build

native() {
  configure_and_build build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUOREX_BENCH=ON &&
    ctest --test-dir build/test --output-on-failure -j"$jobs"
}
sanitized() {
  configure_and_build build/sanitize -DCMAKE_BUILD_TYPE=Debug -DQUOREX_FLTK=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" &&
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --test-dir build/sanitize --output-on-failure -j"$jobs"
}
windows_build() {
  configure_and_build build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
    -DCMAKE_BUILD_TYPE=Release -DQUOREX_BENCH=ON && tests/e2e/check_scr.sh build/win32/surface/win32/quorex.scr
}
# Runs the Windows end-to-end tests on the 32-bit build where this machine can run 32-bit
# programs, else on the 64-bit build of the same sources under wine64.
windows_e2e() {
  if /usr/lib/wine/wine --version > /dev/null 2>&1; then
    WINE=/usr/lib/wine/wine tests/e2e/wine_e2e.sh build/win32/surface/win32/quorex.scr \
      build/win32/surface/win32/spi_query.exe
  else
    echo "This kernel runs no 32-bit programs: testing the 64-bit build under wine64."
    configure_and_build build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
      -DCMAKE_BUILD_TYPE=Release &&
      WINE=/usr/lib/wine/wine64 tests/e2e/wine_e2e.sh build/win64/surface/win32/quorex.scr \
        build/win64/surface/win32/spi_query.exe
  fi
}
linux_e2e() { tests/e2e/linux_e2e.sh build/test/quorex; }
bench_smoke() { tests/e2e/bench_smoke.sh build/test; }
fuzz() { tests/fuzz/run_fuzzers.sh build/fuzz "${QUOREX_FUZZ_SECONDS:-20}"; }

stage "Unit tests" native
stage "Unit tests under ASan and UBSan" sanitized
stage "Windows build" windows_build
stage "Linux end-to-end" linux_e2e
stage "Benchmark smoke run" bench_smoke
stage "Windows end-to-end" windows_e2e
[ -x tests/fuzz/run_fuzzers.sh ] && stage "Fuzzing" fuzz

echo
echo "stages: $stages_passed passed, $stages_failed failed"
[ "$stages_failed" -eq 0 ]
