# Lua 5.4, as the imported target Tolvane::Lua.
# Linux: Debian's liblua5.4-dev, through pkg-config. A cross build for Windows: the library that
# scripts/windows-lua.sh builds from Debian's own source, found under CMAKE_PREFIX_PATH (its
# include/lua5.4 and lib/liblua5.4.a).
if(CMAKE_CROSSCOMPILING)
    find_path(TOLVANE_LUA_INCLUDE lua.h PATH_SUFFIXES lua5.4 REQUIRED)
    find_library(TOLVANE_LUA_LIBRARY NAMES lua5.4 lua54 REQUIRED)
    add_library(Tolvane::Lua STATIC IMPORTED GLOBAL)
    set_target_properties(Tolvane::Lua PROPERTIES IMPORTED_LOCATION "${TOLVANE_LUA_LIBRARY}"
                          INTERFACE_INCLUDE_DIRECTORIES "${TOLVANE_LUA_INCLUDE}")
else()
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(TOLVANE_LUA REQUIRED IMPORTED_TARGET GLOBAL lua5.4)
    add_library(Tolvane::Lua ALIAS PkgConfig::TOLVANE_LUA)
endif()
