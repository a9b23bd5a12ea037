# Run by cpack on the staged files before it packs them: strips the programs as Debian strips its
# own packages, dropping the compiler's .comment and .note sections with the symbols.
file(GLOB programs "${CPACK_TEMPORARY_DIRECTORY}/usr/bin/*")
execute_process(COMMAND ${CPACK_TOLVANE_STRIP} --remove-section=.comment --remove-section=.note
                        ${programs}
                COMMAND_ERROR_IS_FATAL ANY)
