#!/usr/bin/env bash
# Checks what an installation and the Debian package hold: installs the build
# into a temporary prefix, validates the desktop entry and the AppStream
# file, asks the MIME database for the example's type, runs the installed
# programs, builds the .deb and has lintian and apt look at it.
# Builds first when needed. Run after scripts/test.sh (CI does).
#
# With CI=true (or VOREL_CHECK_DEB_INSTALL=1) and as root, the package is
# also installed with apt, tried and removed again.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VOREL_BUILD_DIR:-$root/build}"
bash "$root/scripts/deps.sh" desktop-file-utils appstream shared-mime-info xdg-utils \
    libfile-mimeinfo-perl lintian dpkg-dev file
bash "$root/scripts/build.sh" >/dev/null

id=org.vorel.Vorel
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# --- Installing into a prefix -------------------------------------------------
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/vorel bin/vorel-cli share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/mime/packages/$id.xml share/icons/hicolor/scalable/apps/$id.svg \
    share/vorel/examples/sample.vrf share/vorel/help/index.html share/vorel/help/133.html \
    share/vorel/examples/sample-en.vrf share/vorel/help/en/index.html share/vorel/translations/vorel_en.qm \
    share/vorel/designs/high-contrast.ini \
    share/man/man1/vorel.1.gz share/doc/vorel/copyright; do
    [ -e "$prefix/$f" ] || fail "not installed: $f"
done
for size in 16 22 24 32 48 64 128 256; do
    [ -e "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" ] || fail "no ${size}px icon"
done

if desktop-file-validate "$prefix/share/applications/$id.desktop"; then
    pass "desktop-file-validate"
else
    fail "desktop-file-validate"
fi
if appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"; then
    pass "appstreamcli validate"
else
    fail "appstreamcli validate"
fi

# The type comes from the glob and, for a file without the extension, from
# the magic at offset 0.
update-mime-database "$prefix/share/mime" 2>/dev/null
cp "$prefix/share/vorel/examples/sample.vrf" "$work/no-extension"
for file in "$prefix/share/vorel/examples/sample.vrf" "$work/no-extension"; do
    type="$(XDG_DATA_HOME="$work/empty" XDG_DATA_DIRS="$prefix/share:/usr/share" \
        xdg-mime query filetype "$file")"
    if [ "$type" = "application/x-vorel-data" ]; then
        pass "xdg-mime: $(basename "$file") is $type"
    else
        fail "xdg-mime: $(basename "$file") is '$type'"
    fi
done

# The installed programs: answers without a display, and the exam history in
# the XDG state folder (a bin folder is never written to).
version="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/vorel" --version)"
[ "$version" = "vorel $(cd "$build" && sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' CMakeCache.txt)" ] \
    && pass "installed vorel --version: $version" || fail "installed vorel --version: '$version'"
# English, as a learner with an English locale gets it: the core's catalogue
# is built in, the widgets' translation installed.
english="$(HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" VOREL_HOME= VOREL_LANG= LANGUAGE= LC_ALL= LC_MESSAGES= LANG=en_US.UTF-8 \
    "$prefix/bin/vorel-cli" vague "$work/missing.dat" 2>&1 || true)"
case "$english" in
    *"Cannot open the file"*) pass "installed vorel-cli speaks English in an English locale" ;;
    *) fail "installed vorel-cli in an English locale: '$english'" ;;
esac
status=0
env -u DISPLAY "$prefix/bin/vorel" --no-such-option 2>/dev/null || status=$?
[ "$status" = 2 ] && pass "unknown option exits 2" || fail "unknown option exits $status"
env -u VOREL_HOME HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" \
    "$prefix/bin/vorel-cli" quiz "$prefix/share/vorel/examples/sample.vrf" --mode count --count 1 \
    --no-save <<<"x" >/dev/null
if [ -f "$work/state/vorel/EXAMLOG.TXT" ] && [ -z "$(ls -A "$prefix/bin" | grep -v '^vorel')" ]; then
    pass "exam history in \$XDG_STATE_HOME/vorel"
else
    fail "exam history not in \$XDG_STATE_HOME/vorel"
fi

# --- The Debian package -------------------------------------------------------
rm -f "$build"/vorel_*.deb
(cd "$build" && cpack -G DEB >/dev/null 2>&1)
deb="$(ls "$build"/vorel_*.deb)"
dpkg-deb -I "$deb" | sed -n '/^ Package:/p;/^ Version:/p;/^ Depends:/p;/^ Recommends:/p'
depends="$(dpkg-deb -f "$deb" Depends)"
for p in libqt6core6 libqt6widgets6 libqt6multimedia6 zlib1g libsqlite3-0 gstreamer1.0-plugins-base \
    gstreamer1.0-plugins-good gstreamer1.0-libav fonts-ipafont-gothic fonts-noto-cjk; do
    [[ ", $depends," == *", $p"[\ ,]* ]] || fail "Depends lacks $p"
done
echo "lintian:"
if lintian --fail-on error "$deb" 2>&1 | grep -v 'running with root privileges' | sed 's/^/  /'; [ "${PIPESTATUS[0]}" = 0 ]; then
    pass "lintian reports no errors"
else
    fail "lintian reports errors"
fi
if apt-get install -s "$deb" >/dev/null 2>&1; then
    pass "apt can resolve the package's dependencies"
else
    fail "apt cannot install $deb"
fi
if [ "$(id -u)" = 0 ] && { [ "${CI:-}" = true ] || [ "${VOREL_CHECK_DEB_INSTALL:-}" = 1 ]; }; then
    export DEBIAN_FRONTEND=noninteractive
    if apt-get install -y -qq "$deb" >/dev/null && [ "$(env -u DISPLAY /usr/bin/vorel --version)" = "$version" ] \
        && [ "$(XDG_DATA_HOME="$work/empty" xdg-mime query filetype "$prefix/share/vorel/examples/sample.vrf")" \
            = application/x-vorel-data ]; then
        pass "apt install ./$(basename "$deb"): vorel runs, .vrf files are known"
    else
        fail "apt install ./$(basename "$deb")"
    fi
    apt-get purge -y -qq vorel >/dev/null || true
fi

if ((failures)); then
    echo "check-install: $failures check(s) failed"
    exit 1
fi
echo "check-install: all checks passed"
