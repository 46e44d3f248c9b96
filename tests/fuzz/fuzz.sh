#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the fuzz targets one after the other, niced, each for SECONDS, over its
# corpus (kept in the fuzz build directory), its committed regression inputs
# and a seed corpus made afresh from the project's own files.
#
#   tests/fuzz/fuzz.sh SECONDS [TARGET...]      (targets without the fuzz_ prefix)
#
# FUZZ_BUILD: the fuzz build directory (build-fuzz); DATA_BUILD: a normal build
# whose generated data files (build/data, build/stage) serve as seeds when they
# exist (build). Prints one line per target: executions, coverage, result.
# FUZZ_RUNS: stop a target after this many executions even before SECONDS.
# Exit status 1 when any target found a crash, a hang or a leak; the input is
# left in FUZZ_BUILD/crashes.
set -uo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
seconds=${1:?usage: tests/fuzz/fuzz.sh SECONDS [TARGET...]}
shift
fuzz_build=${FUZZ_BUILD:-build-fuzz}
data_build=${DATA_BUILD:-build}
here=tests/fuzz

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for bin in "$fuzz_build"/fuzz_*; do
    [ -x "$bin" ] && targets+=("${bin##*/fuzz_}")
  done
fi
[ ${#targets[@]} -gt 0 ] || { echo "fuzz.sh: no fuzz targets in $fuzz_build" >&2; exit 2; }

seeds=$fuzz_build/seeds
rm -rf "$seeds"
mkdir -p "$seeds" "$fuzz_build/crashes" "$fuzz_build/logs"

# Copies files into a seed folder; with a prefix byte (catalog kind, statistics
# kind, deal seed) written before each file's bytes.
seed() { # seed TARGET PREFIX FILE...
  local target=$1 prefix=$2
  shift 2
  mkdir -p "$seeds/$target"
  for file in "$@"; do
    [ -f "$file" ] || continue
    local name
    name=$(echo "$file" | tr '/' '_')
    { printf "$prefix"; cat "$file"; } > "$seeds/$target/$name"
  done
}

# Game definitions and language files in Latin-1, as the games archive holds them.
games=$seeds/.games
mkdir -p "$games"
gobtool=$data_build/tools/gobtool/gobtool
if [ -x "$gobtool" ] && [ -f "$data_build/data/games.gob" ]; then
  "$gobtool" extract "$data_build/data/games.gob" "$games" > /dev/null
fi
shopt -s nullglob globstar
seed game_definition '\0\0\0\7' "$games"/**/*.game tests/fixtures/**/*.game
seed language_texts '' "$data_build"/data/*.lng "$games"/*/**/*.lng
seed chatter '' "$games"/blabla*.lng
seed catalogs '\0' "$data_build/data/Cards.typ" content/catalogs/Cards.typ
seed catalogs '\1' "$data_build/data/Background.typ" content/catalogs/Background.typ
seed game_catalog '' "$data_build/data/Games.kat" content/catalogs/Games.kat
seed word_reader '\100' "$data_build/data/Games.kat" "$data_build/data/deutsch.lng" \
  content/catalogs/*
seed quick_save '' tests/fixtures/**/*.sav
seed move_script '' tests/fixtures/**/*.moves
seed configuration '' $here/seeds/configuration/*
seed statistics '' $here/seeds/statistics/*
seed intro_reader '' $here/seeds/intro_reader/*
small_wavs=()
for wav in "$data_build"/stage/base/Sounds/**/*.wav; do
  [ "$(stat -c %s "$wav")" -le 32768 ] && small_wavs+=("$wav")
done
seed wav_member '' "${small_wavs[@]}"
# Small archives packed by the archive tool: catalogs, a game with its texts, sounds.
if [ -x "$gobtool" ]; then
  mkdir -p "$seeds/game_archive" "$seeds/.pack/catalogs" "$seeds/.pack/game/klondike/klondike"
  cp content/catalogs/* "$seeds/.pack/catalogs/"
  cp "$games"/klondike/klondike/klondike* "$seeds/.pack/game/klondike/klondike/" 2>/dev/null
  for dir in catalogs game; do
    "$gobtool" create "$seeds/game_archive/$dir.gob" "$seeds/.pack/$dir" > /dev/null
  done
  if [ ${#small_wavs[@]} -gt 0 ]; then
    mkdir -p "$seeds/.pack/sounds/Sounds"
    cp "${small_wavs[@]:0:2}" "$seeds/.pack/sounds/Sounds/"
    "$gobtool" create "$seeds/game_archive/sounds.gob" "$seeds/.pack/sounds" > /dev/null
  fi
fi

# Fewer frames per allocation record: the readers allocate a lot, and a leak
# report still names the allocating function.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=5}
failed=0
printf '%-16s %12s %8s %8s  %s\n' target executions cov ft result
for target in "${targets[@]}"; do
  bin=$fuzz_build/fuzz_$target
  [ -x "$bin" ] || { echo "fuzz.sh: no target $bin" >&2; failed=1; continue; }
  corpus=$fuzz_build/corpus/$target
  mkdir -p "$corpus" "$seeds/$target"
  dirs=("$corpus" "$seeds/$target")
  [ -d "$here/regressions/$target" ] && dirs+=("$here/regressions/$target")
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
    -artifact_prefix="$fuzz_build/crashes/$target-")
  [ -f "$here/dict/$target.dict" ] && options+=(-dict="$here/dict/$target.dict")
  [ -n "${FUZZ_RUNS:-}" ] && options+=(-runs="$FUZZ_RUNS")
  # Long enough for the real files of each format; move files are played whole,
  # so they stay short.
  case $target in
    wav_member | game_archive) options+=(-max_len=32768) ;;
    move_script) options+=(-max_len=1024) ;;
    *) options+=(-max_len=16384) ;;
  esac
  log=$fuzz_build/logs/$target.log
  nice -n 10 "$bin" "${options[@]}" "${dirs[@]}" > "$log" 2>&1
  status=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*')
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*')
  result=ok
  if [ $status -ne 0 ]; then
    result="FAILED (exit $status, see $log)"
    failed=1
  fi
  printf '%-16s %12s %8s %8s  %s\n' "$target" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$result"
done
exit $failed
