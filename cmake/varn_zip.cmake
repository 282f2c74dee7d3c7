# varn_zip(<variable> <zip> <folder> <entry>...): sets <variable> to the commands, for
# add_custom_command, that pack the entries of folder, files or folders named from it, into zip.
# The zip is made afresh, so that nothing an earlier one held stays in it.
function(varn_zip variable zip folder)
    set(${variable}
        COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
        COMMAND ${CMAKE_COMMAND} -E chdir ${folder}
                ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${ARGN}
        PARENT_SCOPE
    )
endfunction()
