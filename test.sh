#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test
# headless. Installs what a fresh Debian machine is missing first.
set -euo pipefail
cd "$(dirname "$0")"
source ./scripts/setup.sh
morvik_install_dependencies

# The code style of .clang-format holds for every source file.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

build=build-test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMORVIK_SANITIZE=ON -DMORVIK_BENCH=ON
cmake --build "$build" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
# Full unwinding on allocation names the functions of system libraries in leak stacks, which
# is what the suppressions match.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1:fast_unwind_on_malloc=0}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

# Coverage-guided fuzzing of the schema file reader: a clang build with libFuzzer, ASan and
# UBSan runs for a minute on the corpus. Inputs it finds stay in the build folder; an input
# that fails is left there as crash-*: keep it in fuzz/repository/corpus with its fix.
fuzz=build-fuzz
cmake -S . -B "$fuzz" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DMORVIK_SANITIZE=ON -DMORVIK_LIBFUZZER=ON -DMORVIK_BENCH=OFF
cmake --build "$fuzz" -j "$(nproc)" --target repository_reader_fuzz schema_reader_fuzz paste_fuzz
# Inputs may grow well past the largest seed (a schema of a few kilobytes).
max_len=262144
mkdir -p "$fuzz/corpus"
"$fuzz/fuzz/repository/repository_reader_fuzz" -max_total_time=60 -max_len=$max_len \
  -dict=fuzz/repository/repository.dict \
  -artifact_prefix="$fuzz/" "$fuzz/corpus" fuzz/repository/corpus tests/editor/fixtures
# The same for whole schemas loaded through the plug-in (keep its failures in fuzz/schema/corpus).
mkdir -p "$fuzz/schema-corpus"
"$fuzz/fuzz/schema/schema_reader_fuzz" -max_total_time=60 -max_len=$max_len \
  -dict=fuzz/repository/repository.dict \
  -artifact_prefix="$fuzz/" "$fuzz/schema-corpus" fuzz/schema/corpus tests/editor/fixtures
# Clipboard text pasted into an open schema; a refused paste leaves the schema as it was (keep
# its failures in fuzz/paste/corpus).
mkdir -p "$fuzz/paste-corpus"
"$fuzz/fuzz/paste/paste_fuzz" -max_total_time=60 -max_len=$max_len -dict=fuzz/repository/repository.dict \
  -artifact_prefix="$fuzz/" "$fuzz/paste-corpus" fuzz/paste/corpus
