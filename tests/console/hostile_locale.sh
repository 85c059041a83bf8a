#!/usr/bin/env bash
# The Linux program under locales made hostile at test time: time formats
# whose composite conversions multiply, and designators that are long or not
# UTF-8 at all. Every run must end at once and successfully, and print well-
# formed UTF-8. Each locale is the machine's compiled C.utf8 with items of
# its LC_TIME replaced (localedef itself refuses items this long).
#   hostile_locale.sh bootspan
set -u
program=$1
base=/usr/lib/locale/C.utf8
if [ ! -f "$base/LC_TIME" ]; then
  echo "FAILED: no compiled C.utf8 locale at $base (Debian's libc-bin ships it)"
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
# Under the leak checker: the C library's newlocale keeps the list of
# folders it builds from LOCPATH; that memory is its own, not the program's.
echo "leak:__argz_add_sep" >"$work/c-library-leaks"

# Indexes of the LC_TIME items in a compiled LC_TIME file (glibc's langinfo.h).
declare -A item=([AM_STR]=38 [PM_STR]=39 [D_T_FMT]=40 [D_FMT]=41 [T_FMT]=42 [T_FMT_AMPM]=43)

# make_locale NAME ITEM=TEXT...: the locale NAME under $work, C.utf8 with each
# ITEM's string replaced by TEXT. The new strings go at the end of the file,
# each item's offset pointing at its own.
make_locale() {
  local dir=$work/$1
  shift
  mkdir -p "$dir"
  cp -r "$base"/. "$dir"/
  local pair
  for pair in "$@"; do
    perl -e '
      my ($file, $index, $text) = @ARGV;
      open(my $f, "+<:raw", $file) or die "$file: $!";
      seek($f, 0, 2);
      my $end = tell($f);
      print $f "\0" x ((4 - $end % 4) % 4), $text, "\0";
      seek($f, 8 + 4 * $index, 0);
      print $f pack("V", $end + (4 - $end % 4) % 4);
      close($f) or die;
    ' "$dir/LC_TIME" "${item[${pair%%=*}]}" "${pair#*=}"
  done
}

# run NAME: the program in locale NAME; fails unless it ends with 0 within a
# second and prints one well-formed UTF-8 line.
run() {
  local name=$1 start end code
  start=${EPOCHREALTIME/./}
  LOCPATH=$work LC_ALL=$1 LSAN_OPTIONS=suppressions=$work/c-library-leaks timeout 5 "$program" \
    >"$work/out" 2>"$work/err"
  code=$?
  end=${EPOCHREALTIME/./}
  local ms=$(((end - start) / 1000))
  if [ "$code" -ne 0 ]; then
    echo "FAILED $name: exit code $code ($(head -c 200 "$work/err"))"
    failures=$((failures + 1))
  elif [ "$ms" -ge 1000 ]; then
    echo "FAILED $name: took $ms ms"
    failures=$((failures + 1))
  elif ! iconv -f UTF-8 -t UTF-8 <"$work/out" >/dev/null 2>&1; then
    echo "FAILED $name: the output is not UTF-8: $(od -An -tx1 "$work/out" | tail -2)"
    failures=$((failures + 1))
  elif ! grep -q '^Your computer was started .* ago'$'\r''$' "$work/out"; then
    echo "FAILED $name: $(cat -A "$work/out" | head -c 300)"
    failures=$((failures + 1))
  else
    echo "$name: $ms ms, $(wc -c <"$work/out") bytes"
  fi
}

repeat() { # repeat TEXT COUNT
  local out="" i
  for ((i = 0; i < $2; i++)); do out+=$1; done
  printf '%s' "$out"
}

make_locale self_time.UTF-8 "T_FMT=$(repeat %X 60)"
make_locale growing_time.UTF-8 "T_FMT=$(repeat ab%X 50)"
make_locale self_ampm.UTF-8 "T_FMT=%M" "T_FMT_AMPM=$(repeat %r 60)"
make_locale self_date.UTF-8 "D_FMT=$(repeat %x 60)" "D_T_FMT=$(repeat %c%x 40)"
make_locale long_mark.UTF-8 "T_FMT=%I:%M:%S %p" "AM_STR=$(repeat é 126)" "PM_STR=$(repeat é 126)"
make_locale broken_mark.UTF-8 "T_FMT=%I:%M:%S %p" $'AM_STR=\xff\xc3(\xe2\x82' $'PM_STR=\xff\xc3(\xe2\x82'
for name in self_time growing_time self_ampm self_date long_mark broken_mark; do
  run "$name.UTF-8"
done
exit $((failures != 0))
