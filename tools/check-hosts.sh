#!/bin/bash
# Host-level checks of every built library in dist/:
#  - each exports exactly `main` and `VSTPluginMain`;
#  - Ardour's VST 2 scanner accepts each Linux library and reads the unique ID, vendor and
#    channel counts that `render info` reads from the record.
# Prints one line per library and ends with "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
render=build/linux-x86_64/bin/render
scanner=/usr/lib/ardour7/ardour-vst-scanner
passed=0
failed=0
ok() { echo "ok    $1"; passed=$((passed + 1)); }
bad() { echo "FAIL  $1: $2"; failed=$((failed + 1)); }

exports_of() {
  case "$1" in
    *.so) nm -D --defined-only "$1" | awk '{print $3}' | sort | tr '\n' ' ' ;;
    *.dll) objdump -p "$1" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/\]/ && NR > 1 {print $NF}' | sort | tr '\n' ' ' ;;
  esac
}

field() { sed -n "s/.* $1=\"\([^\"]*\)\".*/\1/p" "$2" | head -1; }

for lib in $(find dist -name '*.so' -o -name '*.dll' | sort); do
  got=$(exports_of "$lib")
  if [ "$got" != "VSTPluginMain main " ]; then bad "$lib" "exports '$got'"; continue; fi
  case "$lib" in *.dll) ok "$lib exports"; continue ;; esac

  info=$("$render" info "$lib") || { bad "$lib" "render info failed"; continue; }
  id=$(printf '%d' "$(sed -n 's/^unique id: .*(\(0x[0-9a-f]*\))/\1/p' <<<"$info")")
  vendor=$(sed -n 's/^vendor: *//p' <<<"$info")
  [ -n "$vendor" ] || vendor=Unknown  # what Ardour records for a plug-in without a vendor text
  ins=$(sed -n 's/^channels: *\([0-9]*\) in.*/\1/p' <<<"$info")
  outs=$(sed -n 's/^channels: .* \([0-9]*\) out/\1/p' <<<"$info")

  cache=$(mktemp -d)
  if ! XDG_CACHE_HOME="$cache" LD_LIBRARY_PATH=/usr/lib/ardour7 timeout 60 "$scanner" -f "$lib" >"$cache/log" 2>&1; then
    bad "$lib" "Ardour's scanner rejected it: $(tail -1 "$cache/log")"
    rm -rf "$cache"
    continue
  fi
  v2i=$(find "$cache" -name '*.v2i' | head -1)
  if [ -z "$v2i" ]; then bad "$lib" "Ardour's scanner wrote no cache"; rm -rf "$cache"; continue; fi
  seen="$(field id "$v2i")|$(field creator "$v2i")|$(field n_inputs "$v2i")|$(field n_outputs "$v2i")"
  want="$id|$vendor|$ins|$outs"
  if [ "$seen" = "$want" ]; then ok "$lib (Ardour: id $id, '$vendor', $ins in, $outs out)"
  else bad "$lib" "Ardour read '$seen', the record says '$want'"; fi
  rm -rf "$cache"
done
# The install step as a user runs it: tools/install.sh into a fresh folder copies every
# Linux deliverable and testtone.wav, no test-only library, and Ardour's scanner accepts
# each installed library there.
install_dir=$(mktemp -d)
if tools/install.sh --prefix "$install_dir" >"$install_dir.log" 2>&1; then
  want=$(cd dist/linux-x86_64 && ls -- *.so testtone.wav | sort | tr '\n' ' ')
  got=$(cd "$install_dir" && ls | sort | tr '\n' ' ')
  if [ "$got" = "$want" ]; then ok "install: $got"; else bad install "installed '$got', expected '$want'"; fi
  for lib in "$install_dir"/*.so; do
    cache=$(mktemp -d)
    if XDG_CACHE_HOME="$cache" LD_LIBRARY_PATH=/usr/lib/ardour7 timeout 60 "$scanner" -f "$lib" >"$cache/log" 2>&1 &&
      [ -n "$(find "$cache" -name '*.v2i')" ]; then
      ok "installed $(basename "$lib") (Ardour's scanner)"
    else
      bad "installed $(basename "$lib")" "Ardour's scanner rejected it: $(tail -1 "$cache/log")"
    fi
    rm -rf "$cache"
  done
else
  bad install "tools/install.sh failed: $(tail -1 "$install_dir.log")"
fi
rm -rf "$install_dir" "$install_dir.log"

echo "host checks: $passed passed, $failed failed"
[ "$failed" = 0 ]
