#!/usr/bin/env bash
# Builds the seed corpora in corpus/<target>/ from the shipped and test files, cut into small
# pieces (an input of a few kilobytes runs a thousand times faster than a whole file and
# reaches the same records). Regression inputs (corpus/*/regress-*) are kept as they are.
# Run from anywhere; the output is committed.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$here/../.."
corpus="$here/corpus"
for d in "$corpus"/*/; do find "$d" -type f ! -name 'regress-*' -delete; done 2>/dev/null || true
mkdir -p "$corpus"/{job_file,resource_file,colour_file,data_table,catalogue,print_form,launcher_records,version_list,update_response,batch}

# Cuts a file into pieces of n lines, each after the file's first `keep` lines.
pieces() { # file lines keep target prefix
  local file=$1 n=$2 keep=$3 target=$4 prefix=$5 total i=0 start
  total=$(wc -l < "$file")
  for ((start = keep + 1; start <= total; start += n)); do
    { head -n "$keep" "$file"; sed -n "${start},$((start + n - 1))p" "$file"; } \
      > "$corpus/$target/$prefix-$i"
    i=$((i + 1))
  done
}

for f in "$root"/opdata/default.fil "$root"/tests/data/reference.wic "$root"/tests/data/cli/*.wic; do
  pieces "$f" 40 1 job_file "$(basename "$f" | tr . -)"
done
for f in "$root"/opdata/*.lng; do
  pieces "$f" 40 0 resource_file "$(basename "$f" .lng)"
  head -n 30 "$f" > "$corpus/launcher_records/$(basename "$f" .lng)"
done
for f in "$root"/opdata/*.disclaimer.fil; do cp "$f" "$corpus/launcher_records/$(basename "$f")"; done
for f in "$root"/opdata/*.col; do cp "$f" "$corpus/colour_file/$(basename "$f")"; done
for f in "$root"/opdata/*.frm; do pieces "$f" 30 1 print_form "$(basename "$f" .frm)"; done

# Data tables: the first byte picks the decimal separator (bit 0) and the motor check (bit 1).
for f in "$root"/opdata/*Table*.data; do
  name=$(basename "$f" .data)
  flag='\x00'
  case "$name" in TableK) flag='\x02' ;; *TableC) flag='\x01' ;; esac
  { printf "$flag"; head -n 60 "$f"; } > "$corpus/data_table/$name"
done
# Catalogue: the first byte picks the reader.
{ printf '\x00'; head -c 3000 "$root/proddata/CRatings.rec"; } > "$corpus/catalogue/CRatings"
{ printf '\x01'; head -c 2100 "$root/proddata/CModels.rec"; } > "$corpus/catalogue/CModels"
{ printf '\x02'; head -c 2400 "$root/proddata/ERatings.rec"; } > "$corpus/catalogue/ERatings"
{ printf '\x03'; head -n 40 "$root/proddata/CProdList.data"; } > "$corpus/catalogue/CProdList"
{ printf '\x03'; head -n 40 "$root/proddata/EProdList.data"; } > "$corpus/catalogue/EProdList"

printf '# file\tfolder\ttarget\tstamp\r\nProgram\tbin\tAPPPATH\t2026-11-02 10:00\r\ndefault.lng\topdata\topdata\t2026-11-01\r\nTableA.data\topdata\topdata\t2026-10-01\r\n' \
  > "$corpus/version_list/newest"
printf 'default.lng\topdata\topdata\t2026-10-01\r\nCRatings.rec\tproddata\tproddata\t1\r\n' \
  > "$corpus/version_list/installed"
{ cat "$corpus/version_list/installed"; printf '\0'; cat "$corpus/version_list/newest"; } \
  > "$corpus/version_list/both"

# A signed newest list, its signature and the key, made with a throw-away minisign key.
if command -v minisign >/dev/null; then
  keys=$(mktemp -d)
  sums=$(printf '%s  opdata/default.lng\n%s  bin/Program\n' \
    "$(sha256sum "$root/opdata/default.lng" | cut -c1-64)" "$(printf x | sha256sum | cut -c1-64)")
  printf '%s\n' "$sums" > "$keys/SHA256SUMS"
  cp "$corpus/version_list/newest" "$keys/Newest.ver"
  minisign -G -W -p "$keys/key.pub" -s "$keys/key.sec" >/dev/null
  for f in Newest.ver SHA256SUMS; do
    minisign -S -s "$keys/key.sec" -m "$keys/$f" -t "timestamp:1796000000	file:$f" >/dev/null
    { cat "$keys/$f"; printf '\0'; cat "$keys/$f.minisig"; printf '\0'; cat "$keys/key.pub"; } \
      > "$corpus/update_response/$f"
  done
  rm -rf "$keys"
fi

for f in "$root"/tests/data/cli/*.tws; do cp "$f" "$corpus/batch/$(basename "$f" .tws)"; done
printf 'calc\0--type\0103\0-10\0--get\0103,12,16,503' > "$corpus/batch/args-type"
printf 'calc\0job.wic\0--grid\0300\0--json\0--decimal\0,' > "$corpus/batch/args-grid"
printf 'calc\0--script\0s.tws\0--save\0room.wic\0type 0 "x"\ncell 300 3 2 2000\n' > "$corpus/batch/args-script"
printf '"C:\\Jobs\\my room.wic" /LOG' > "$corpus/batch/command-line"
