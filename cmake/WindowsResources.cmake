# tolvane_windows_resources(TARGET NAME DESCRIPTION): embeds the icon and the version information
# in a Windows executable. Elsewhere it does nothing.
function(tolvane_windows_resources target name description)
    if(NOT WIN32)
        return()
    endif()
    set(TOLVANE_ICO ${CMAKE_BINARY_DIR}/tolvane.ico)
    set(TOLVANE_RC_NAME ${name})
    set(TOLVANE_RC_DESCRIPTION ${description})
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/resources/tolvane.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    # The icon is converted at build time; the resource is compiled again when it changes.
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${TOLVANE_ICO})
    add_dependencies(${target} icon_ico)
endfunction()
