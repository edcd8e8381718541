#!/bin/sh
# tarnel-lab settings: a written file shows back every value given, in UTF-8.
set -eu
lab="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
file="$dir/Tarnel.ini"

"$lab" settings write "$file" LanguageIndex=20 LastTypedName=Иван SaveGif=1 GifDelay=250 \
  PassportCountry=6-054 BoardAddress=http://example.org/b.php >/dev/null
[ "$(tr -cd '\n' < "$file" | wc -c)" -eq 35 ]
[ "$(tr -cd '\r' < "$file" | wc -c)" -eq 35 ]
shown=$("$lab" settings show "$file")
for line in LanguageIndex=20 LastTypedName=Иван SaveGif=1 GifDelay=250 PassportCountry=6-054 \
            BoardAddress=http://example.org/b.php PassportNick=Incognito CardDesign=0; do
  echo "$shown" | grep -qx "$line" || { echo "missing $line"; exit 1; }
done
grep -q "example.org" "$file" && { echo "address stored in plain"; exit 1; }

status=0; "$lab" settings write "$file" FlySpeed=7 2>/dev/null || status=$?
[ "$status" -eq 2 ]
status=0; "$lab" settings write "$file" NoSuchSetting=1 2>/dev/null || status=$?
[ "$status" -eq 2 ]
# A refused write leaves the file as it was.
"$lab" settings show "$file" | grep -qx GifDelay=250
echo ok
