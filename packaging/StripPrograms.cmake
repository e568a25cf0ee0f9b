# Run by cpack on the staged files, before they are packed: strips the programs as Debian's own
# packaging does, symbols and the compiler's notes both.
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
foreach(program ${programs})
    execute_process(COMMAND ${CPACK_VELMORA_STRIP} --remove-section=.comment --remove-section=.note
                            --strip-unneeded ${program}
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "cannot strip ${program}")
    endif()
endforeach()
if(NOT programs)
    message(FATAL_ERROR "no program staged in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin")
endif()
