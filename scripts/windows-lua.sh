#!/usr/bin/env bash
# Builds Lua 5.4 for 64-bit Windows from Debian's own lua5.4 source (the version of the installed
# liblua5.4-dev, with Debian's patches), once, as a static library in a cache folder outside the
# clone, and prints the prefix it installed to: include/lua5.4/ and lib/liblua5.4.a, as
# cmake/Lua.cmake finds them, and share/doc/lua/copyright for the zip's licences. Later runs find
# the stamp and reuse it. Static, so the programs carry Lua inside and the zip needs no Lua DLL.
#
#   TOLVANE_WINDOWS_CACHE   the cache folder (default: ~/.cache/tolvane-windows)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${TOLVANE_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tolvane-windows}
host_version=$(dpkg-query -W -f='${Version}' liblua5.4-dev) # e.g. 5.4.4-3+deb12u1
prefix=$cache/lua-$host_version-mingw64
stamp=$prefix/.tolvane-built

cc=x86_64-w64-mingw32-gcc-posix # the C compiler of cmake/mingw-w64-x86_64.cmake
ar=x86_64-w64-mingw32-ar
# Debian's own flags for Lua (its build-system patch), optimised as upstream's Makefile does.
# mingw's own C99 printf and strtod, which its C++ already uses, rather than msvcrt.dll's, whose
# rounding and formats vary with the version of Windows: a script reads and prints numbers as it
# does on Linux.
flags=(-std=gnu99 -O2 -Wall -Wextra -DLUA_COMPAT_5_3 -D__USE_MINGW_ANSI_STDIO=1)
# The script itself and the toolchain are named in the stamp, so a change to either builds again.
toolchain=$root/cmake/mingw-w64-x86_64.cmake
hash=$(cat "$root/scripts/windows-lua.sh" "$toolchain" | sha256sum | cut -c1-16)
wanted="$host_version ${flags[*]} $hash"

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ]; then
    echo "$prefix"
    exit 0
fi

{
    echo "Building Lua $host_version for Windows into $prefix (once; later runs reuse it)."
    start=$(date +%s)
    src=$cache/src
    source_dir=$src/lua5.4-$host_version
    mkdir -p "$src"
    if [ ! -d "$source_dir" ]; then
        rm -rf "$src/unpack-lua"
        mkdir -p "$src/unpack-lua"
        (cd "$src/unpack-lua" && apt-get source -qq --download-only "lua5.4=$host_version" &&
            dpkg-source -x -q ./*.dsc lua) >/dev/null
        mv "$src/unpack-lua/lua" "$source_dir"
        rm -rf "$src/unpack-lua"
    fi

    # The library's objects are those upstream's Makefile lists for it, without the interpreter
    # and the compiler (lua.c, luac.c).
    objects=$(sed -n 's/^\(CORE\|LIB\)_O=[[:space:]]*//p' "$source_dir/src/Makefile")
    [ -n "$objects" ] ||
        { echo "windows-lua.sh: no object list in $source_dir/src/Makefile"; exit 1; }
    build=$cache/build-lua-$host_version
    rm -rf "$build" "$prefix"
    mkdir -p "$build"
    # shellcheck disable=SC2086 # the list is split into its names on purpose.
    printf '%s\n' $objects | sed 's/\.o$//' |
        xargs -P "$(nproc)" -I{} "$cc" "${flags[@]}" -c "$source_dir/src/{}.c" -o "$build/{}.o" \
            2>"$build/compile.log" ||
        { cat "$build/compile.log"; exit 1; }
    mkdir -p "$prefix/include/lua5.4" "$prefix/lib" "$prefix/share/doc/lua"
    # shellcheck disable=SC2086
    (cd "$build" && "$ar" rcs "$prefix/lib/liblua5.4.a" $objects)
    for header in lua.h luaconf.h lualib.h lauxlib.h lua.hpp; do
        cp "$source_dir/src/$header" "$prefix/include/lua5.4/"
    done
    cp "$source_dir/debian/copyright" "$prefix/share/doc/lua/copyright"
    echo "$wanted" >"$stamp"
    rm -rf "$build"
    echo "Lua for Windows took $(($(date +%s) - start)) s to build."
} >&2
echo "$prefix"
