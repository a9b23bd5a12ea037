# Sourced by the build scripts: compiles through ccache where it is installed, so a second clone
# or a second build of the same sources (the sanitized one, the Windows one) reuses the objects
# of the first. Paths under the clone are hashed relative to it, so clones in other folders share
# the cache too.
cache_launcher=()
if command -v ccache >/dev/null 2>&1; then
    export CCACHE_BASEDIR=$root
    cache_launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
