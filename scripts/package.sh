#!/usr/bin/env bash
# Builds the Debian package in build-package/ (override with PACKAGE_BUILD_DIR) and checks it:
# desktop-file-validate, appstreamcli validate, lintian without errors. With --smoke-test it
# then installs the package, starts the installed program under Xvfb against the installed
# simulator on 127.0.0.1 with a scratch home folder, waits until it has identified the probe,
# and removes the package again (needs root or sudo). Prints the package's path.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PACKAGE_BUILD_DIR:-$root/build-package}"
smoke=""
[ "${1:-}" = "--smoke-test" ] && smoke=1
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DSORVANEL_BUILD_TESTS=OFF -DSORVANEL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target Sorvanel3D sorvanel-scanner-sim sorvanel-export sorvanel_changelog sorvanel_manual_pages -j"$(nproc)"
rm -rf "$build/package"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/package/sorvanel3d_*.deb)

desktop-file-validate "$root/res/desktop/example.sorvanel3d.Sorvanel3D.desktop"
appstreamcli validate --no-net --pedantic "$build/example.sorvanel3d.Sorvanel3D.metainfo.xml" >/dev/null ||
  appstreamcli validate --no-net "$build/example.sorvanel3d.Sorvanel3D.metainfo.xml"
# Errors fail the check; warnings and notes are printed.
lintian --tag-display-limit 0 "$deb" | tee "$build/lintian.txt"
if grep -q '^E:' "$build/lintian.txt"; then
  echo "lintian found errors" >&2
  exit 1
fi
echo "package: $deb ($(du -k "$deb" | cut -f1) KiB)"

[ -n "$smoke" ] || exit 0
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -qq "$deb" >/dev/null
trap '$sudo apt-get remove -y -qq sorvanel3d >/dev/null || true' EXIT
home=$(mktemp -d)
mkdir -p "$home/Documents/Sorvanel3D/config" "$home/runtime"
chmod 700 "$home/runtime"
port=19876
printf '[network]\nscannerHost=127.0.0.1\nscannerPort=%s\n' "$port" > "$home/Documents/Sorvanel3D/config/options.ini"
/usr/bin/sorvanel-scanner-sim --host 127.0.0.1 --port "$port" --probe 170 > "$home/sim.log" 2>&1 &
sim=$!
log="$home/program.log"
env -u XDG_DOCUMENTS_DIR HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=xcb \
    timeout 40 xvfb-run -a -s "-screen 0 1280x800x24" /usr/bin/Sorvanel3D > "$log" 2>&1 &
app=$!
identified=""
for _ in $(seq 1 60); do
  if grep -q "Probe identified: 170" "$log"; then identified=1; break; fi
  sleep 0.5
done
kill "$app" 2>/dev/null || true
pkill -f /usr/bin/Sorvanel3D 2>/dev/null || true
kill "$sim" 2>/dev/null || true
wait "$app" 2>/dev/null || true
if [ -z "$identified" ]; then
  echo "the installed program did not identify the simulated probe; its log:" >&2
  cat "$log" >&2
  exit 1
fi
$sudo apt-get remove -y -qq sorvanel3d >/dev/null
trap - EXIT
if [ -e /usr/bin/Sorvanel3D ] || [ -e /usr/share/applications/example.sorvanel3d.Sorvanel3D.desktop ]; then
  echo "files left after removing the package" >&2
  exit 1
fi
rm -rf "$home"
echo "smoke test: installed, identified probe 170, removed"
