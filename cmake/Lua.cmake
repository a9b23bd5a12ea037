# Lua 5.4, as the imported target Tolvane::Lua.
# Linux: Debian's liblua5.4-dev, through pkg-config. A cross build for Windows: the static library
# that scripts/windows-lua.sh builds from Debian's own source, found under CMAKE_PREFIX_PATH (its
# include/lua5.4 and lib/liblua5.4.a). The toolchain file looks for headers and libraries inside
# the mingw sysroot only, and the host's own Lua must never stand in, so the prefixes handed in
# are searched as they are and nothing else is.
include_guard(GLOBAL)
if(CMAKE_CROSSCOMPILING)
    find_path(TOLVANE_LUA_INCLUDE lua.h PATHS ${CMAKE_PREFIX_PATH} PATH_SUFFIXES include/lua5.4
              NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    find_library(TOLVANE_LUA_LIBRARY NAMES lua5.4 lua54 PATHS ${CMAKE_PREFIX_PATH}
                 PATH_SUFFIXES lib NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT TOLVANE_LUA_INCLUDE OR NOT TOLVANE_LUA_LIBRARY)
        message(FATAL_ERROR "No Lua 5.4 for Windows under CMAKE_PREFIX_PATH "
                            "(${CMAKE_PREFIX_PATH}): add the prefix that scripts/windows-lua.sh "
                            "prints")
    endif()
    add_library(Tolvane::Lua STATIC IMPORTED GLOBAL)
    set_target_properties(Tolvane::Lua PROPERTIES IMPORTED_LOCATION "${TOLVANE_LUA_LIBRARY}"
                          INTERFACE_INCLUDE_DIRECTORIES "${TOLVANE_LUA_INCLUDE}")
else()
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(TOLVANE_LUA REQUIRED IMPORTED_TARGET GLOBAL lua5.4)
    add_library(Tolvane::Lua ALIAS PkgConfig::TOLVANE_LUA)
endif()
