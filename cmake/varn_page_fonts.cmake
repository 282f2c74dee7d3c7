# varn_page_fonts(<target>): compiles into target the faces the page draws its windows in, from
# Debian's fonts-liberation, under :/fonts/liberation, where platform/web/application_font.cpp
# makes them known.
#
# The serif face draws one text alone, the about window's title, the program's name: it is cut
# by fonttools' pyftsubset to that text's letters, each glyph and its hinting kept as they are,
# which takes some 90 KB off the compressed download.
find_program(VARN_PYFTSUBSET pyftsubset)

function(varn_page_fonts target)
    set(liberation /usr/share/fonts/truetype/liberation)
    set(faces ${liberation}/LiberationSans-Regular.ttf ${liberation}/LiberationSans-Bold.ttf
        ${liberation}/LiberationMono-Bold.ttf)
    if(NOT VARN_PYFTSUBSET)
        message(FATAL_ERROR "pyftsubset is missing: Debian's fonttools provides it")
    endif()
    set(title_face ${CMAKE_CURRENT_BINARY_DIR}/page_fonts/LiberationSerif-BoldItalic.ttf)
    add_custom_command(OUTPUT ${title_face}
        COMMAND ${VARN_PYFTSUBSET} ${liberation}/LiberationSerif-BoldItalic.ttf
            "--text=${PROJECT_DESCRIPTION}" --output-file=${title_face}
            --layout-features=* --legacy-kern --notdef-outline --name-IDs=* --name-languages=*
        DEPENDS ${liberation}/LiberationSerif-BoldItalic.ttf
        COMMENT "Cutting the title's face to the title's letters"
        VERBATIM)
    list(APPEND faces ${title_face})
    foreach(face IN LISTS faces)
        get_filename_component(name ${face} NAME)
        set_source_files_properties(${face} PROPERTIES QT_RESOURCE_ALIAS ${name})
    endforeach()
    qt_add_resources(${target} page_fonts PREFIX /fonts/liberation FILES ${faces})
endfunction()
