#!/usr/bin/env bash
# Installs what building and testing Tolvane needs on a Debian machine, skipping what is there.
# With --windows, also what the Windows build needs: the mingw-w64 cross compiler, Wine, zlib for
# mingw, NSIS for the setup, and Debian's source archive, from which Qt and Lua for Windows are
# built.
set -Eeuo pipefail

packages=(cmake ninja-build ccache g++ qt6-base-dev libgl-dev qt6-l10n-tools qt6-tools-dev
          qt6-translations-l10n locales fonts-noto-cjk
          xvfb xdotool xclip x11-utils imagemagick fonts-liberation2
          clang libclang-rt-14-dev libbenchmark-dev zlib1g-dev liblua5.4-dev pkg-config
          dpkg-dev file lintian desktop-file-utils appstream shared-mime-info
          fceux)
if [ "${1:-}" = "--windows" ]; then
    packages+=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine wine64 zip unzip nsis)
fi

die() {
    echo "setup.sh: $*" >&2
    exit 1
}
# A step that fails without a message of its own still names itself.
trap 'echo "setup.sh: failed (status $?) at line $LINENO: $BASH_COMMAND" >&2' ERR

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

apt=/etc/apt
# Debian's sources come in two formats: the one-line sources.list (what debootstrap writes) and
# the deb822 debian.sources (what the installer writes). A source entry may be in either, under
# either name.
has_source_archive() {
    grep -qsE '^[[:space:]]*deb-src[[:space:]]' "$apt/sources.list" "$apt"/sources.list.d/*.list ||
        grep -qsE '^Types:(.*[[:space:]])?deb-src([[:space:]]|$)' "$apt"/sources.list.d/*.sources
}
# The stanzas of a deb822 file that fetch binary packages, turned into source stanzas.
deb822_sources() {
    awk 'function flush() { if (keep) printf "%s\n", stanza; stanza = ""; keep = 0 }
         /^[ \t]*$/ { flush(); next }
         /^Types:/ { if ($0 ~ /[ \t]deb([ \t]|$)/) keep = 1; $0 = "Types: deb-src" }
         { stanza = stanza $0 "\n" }
         END { flush() }' "$1"
}
# write_source FILE TEXT: FILE holds TEXT afterwards; nothing is written when TEXT is empty.
write_source() {
    [ -n "$2" ] || return 0
    printf '%s\n' "$2" | $sudo tee "$1" >/dev/null || die "cannot write $1"
    echo "  wrote $1"
}

updated=""
if [ "${1:-}" = "--windows" ] && ! has_source_archive; then
    # The same archive as the binary packages, for Qt's and Lua's source.
    echo "Adding Debian's source archive to apt's sources"
    # An empty file is what an earlier failed run may have left.
    for stale in tolvane-src.sources tolvane-src.list; do
        [ -s "$apt/sources.list.d/$stale" ] || $sudo rm -f "$apt/sources.list.d/$stale"
    done
    from822=""
    if [ -f "$apt/sources.list.d/debian.sources" ]; then
        from822=$(deb822_sources "$apt/sources.list.d/debian.sources") ||
            die "cannot read $apt/sources.list.d/debian.sources"
    fi
    fromlist=""
    if [ -f "$apt/sources.list" ]; then
        fromlist=$(sed -n 's/^[[:space:]]*deb[[:space:]]\+/deb-src /p' "$apt/sources.list") ||
            die "cannot read $apt/sources.list"
    fi
    [ -n "$from822$fromlist" ] ||
        die "no Debian archive in $apt/sources.list.d/debian.sources or $apt/sources.list" \
            "to add the source archive of; add a deb-src entry for Debian 12 and run again"
    write_source "$apt/sources.list.d/tolvane-src.sources" "$from822"
    write_source "$apt/sources.list.d/tolvane-src.list" "$fromlist"
    $sudo apt-get update -qq || die "apt-get update failed after adding the source archive"
    updated=yes
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ -z "$updated" ]; then
        $sudo apt-get update -qq || die "apt-get update failed"
    fi
    log=$(mktemp)
    if ! DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        die "apt-get install failed for: ${missing[*]}"
    fi
    rm -f "$log"
fi

# The translated runs of the tests need these locales, which a fresh machine has not generated.
for locale in ja_JP de_DE; do
    if ! locale -a 2>/dev/null | grep -qix "$locale.utf-\?8"; then
        echo "Generating the locale $locale.UTF-8"
        $sudo localedef -i "$locale" -f UTF-8 "$locale.UTF-8" || die "cannot generate $locale.UTF-8"
    fi
done
