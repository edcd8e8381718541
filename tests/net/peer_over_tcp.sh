#!/bin/bash
# Two tarnel-lab peer processes play whole games over loopback TCP: both must finish every
# game and report the same totals, each from its own side.
# Usage: peer_over_tcp.sh TARNEL_LAB GAMES HAND
set -u
lab=$1 games=$2 hand=$3
dir=$(mktemp -d)
trap 'kill $server 2>/dev/null; rm -rf "$dir"' EXIT

timeout 300 "$lab" peer --server 0 --games "$games" --hand "$hand" --seed 7 --name Anna \
  --timeout 20 >"$dir/server" 2>"$dir/server.err" &
server=$!
port=
for _ in $(seq 100); do
  port=$(sed -n 's/^port=//p' "$dir/server")
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || { echo "the server did not listen"; cat "$dir/server.err"; exit 1; }

timeout 300 "$lab" peer --client "127.0.0.1:$port" --games "$games" --seed 8 --name Boris \
  --timeout 20 >"$dir/client" 2>"$dir/client.err"
client_rc=$?
wait $server
server_rc=$?
cat "$dir/server.err" "$dir/client.err"
[ $server_rc -eq 0 ] && [ $client_rc -eq 0 ] || { echo "server=$server_rc client=$client_rc"; exit 1; }

grep '^game=' "$dir/server" >"$dir/s"
grep '^game=' "$dir/client" | sed -E 's/me=([0-9]+) co=([0-9]+)/me=\2 co=\1/' >"$dir/c"
[ "$(wc -l <"$dir/s")" -eq "$games" ] || { echo "the server played $(wc -l <"$dir/s") games"; exit 1; }
diff "$dir/s" "$dir/c" || { echo "the totals differ"; exit 1; }
grep -qx "games=$games" "$dir/server" && grep -qx "games=$games" "$dir/client" || exit 1
# Every game goes to its end: one side reached the target.
awk -F'[= ]' '{ if ($4 < 41 && $6 < 41) { print "game " $2 " ended early"; exit 1 } }' "$dir/s" || exit 1
cat "$dir/s"
