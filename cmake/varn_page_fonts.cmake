# varn_page_fonts(<target>): compiles into target the faces the page draws its windows in, from
# Debian's fonts-liberation, under :/fonts/liberation, where platform/web/page_fonts.cpp
# makes them known.
function(varn_page_fonts target)
    set(liberation /usr/share/fonts/truetype/liberation)
    set(faces LiberationSans-Regular.ttf LiberationSans-Bold.ttf LiberationMono-Bold.ttf
        LiberationSerif-BoldItalic.ttf)
    list(TRANSFORM faces PREPEND ${liberation}/)
    foreach(face IN LISTS faces)
        get_filename_component(name ${face} NAME)
        set_source_files_properties(${face} PROPERTIES QT_RESOURCE_ALIAS ${name})
    endforeach()
    qt_add_resources(${target} page_fonts PREFIX /fonts/liberation FILES ${faces})
endfunction()
