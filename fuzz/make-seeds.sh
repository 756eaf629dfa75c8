#!/usr/bin/env bash
# Writes the seed corpora of the fuzz targets: builds the test dictionaries
# (tests/dicts) and the bundled dictionaries (data/) with dexc in BUILD_DIR, then lets
# fuzz_make_seeds turn them into inputs for every target.
#   fuzz/make-seeds.sh BUILD_DIR [SEED_DIR]      (SEED_DIR defaults to BUILD_DIR/fuzz-seeds)
# BUILD_DIR is a fuzz build (configured with -DDAOLSAE_FUZZ=ON, see tools/scripts/fuzz.sh).
set -euo pipefail
build=${1:?usage: fuzz/make-seeds.sh BUILD_DIR [SEED_DIR]}
seeds=${2:-$build/fuzz-seeds}
cmake --build "$build" -j 2 --target fuzz_make_seeds dictionaries \
  $(cmake --build "$build" --target help | grep -E '(^|\.\.\. )testdicts(:| |$)' >/dev/null && echo testdicts)
sets=()
for dir in "$build/testdicts" "$build/dictionaries"; do
  [ -f "$dir/main.dex" ] && sets+=("$dir")
done
rm -rf "$seeds"
"$build/fuzz/fuzz_make_seeds" "$seeds" "${sets[@]}"
