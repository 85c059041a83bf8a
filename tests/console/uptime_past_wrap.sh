#!/usr/bin/env bash
# The uptime past the 32-bit millisecond count (49 days 17:02:47.296): in a
# time namespace whose boot clock runs 50 days ahead, the Linux program
# prints the time of day of the whole count, read from /proc/uptime in the
# same namespace just before and just after.
#   uptime_past_wrap.sh bootspan
set -u
program=$1
offset=$((50 * 86400))
if ! unshare --time --boottime "$offset" true 2>/dev/null; then
  echo "skipped: no time namespace (it needs a kernel of 5.6 or later and the CAP_SYS_ADMIN privilege)"
  exit 77
fi
output=$(LC_ALL=C unshare --time --boottime "$offset" \
  sh -c 'cut -d. -f1 /proc/uptime; "$0"; cut -d. -f1 /proc/uptime' "$program")
before=$(echo "$output" | sed -n 1p)
sentence=$(echo "$output" | sed -n 2p | tr -d '\r')
after=$(echo "$output" | sed -n 3p)
if [ "$before" -lt $((4294967296 / 1000 + 1)) ]; then
  echo "FAILED: the uptime in the namespace is $before s, not past the 32-bit count"
  exit 1
fi
for ((s = before; s <= after; s++)); do
  day=$((s % 86400))
  expected=$(printf 'Your computer was started %02d:%02d:%02d ago' \
    $((day / 3600)) $((day / 60 % 60)) $((day % 60)))
  if [ "$sentence" = "$expected" ]; then
    echo "uptime past the 32-bit count: $s s prints '$sentence'"
    exit 0
  fi
done
echo "FAILED: '$sentence' is not the time of day of an uptime between $before and $after s"
exit 1
