# The program's pictures, drawn at build time from ui/art/generate.py and the
# rectangles of ui/SkinLayout.h, into <build>/art. In the Windows build they
# are compiled with the dialog templates into the resource object that every
# Windows executable links; the manifest is a separate object for the program.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(Q5_ARTWORK_DIR ${CMAKE_BINARY_DIR}/art CACHE INTERNAL "Generated artwork")
set(q5_art_source ${CMAKE_CURRENT_LIST_DIR})
set(q5_art_outputs)
foreach(id 127 129 130 132 133 134 135 136 137 138 139 150 151 155 156 157 158 159 160 161 162
           163)
    list(APPEND q5_art_outputs ${Q5_ARTWORK_DIR}/bitmap${id}.bmp)
endforeach()
foreach(id 128 142 143 144 145 146)
    list(APPEND q5_art_outputs ${Q5_ARTWORK_DIR}/icon${id}.ico)
endforeach()
foreach(name MenuNor MenuOver MenuDown MenuNorHaveSub MenuOverHaveSub MenuDownHaveSub)
    list(APPEND q5_art_outputs ${Q5_ARTWORK_DIR}/skins/Menu/${name}.BMP)
endforeach()
foreach(name up down delay)
    list(APPEND q5_art_outputs ${Q5_ARTWORK_DIR}/skins/macro/${name}_normal.png
                               ${Q5_ARTWORK_DIR}/skins/macro/${name}_select.png)
endforeach()

add_custom_command(
    OUTPUT ${q5_art_outputs}
    COMMAND ${Python3_EXECUTABLE} -B ${q5_art_source}/generate.py
            ${q5_art_source}/../SkinLayout.h ${Q5_ARTWORK_DIR}
    DEPENDS ${q5_art_source}/generate.py ${q5_art_source}/raster.py
            ${q5_art_source}/../SkinLayout.h
    COMMENT "Drawing the skin pictures and icons"
    VERBATIM)
add_custom_target(q5_artwork ALL DEPENDS ${q5_art_outputs})

if(WIN32)
    add_library(q5_resources OBJECT ${q5_art_source}/Q5Resources.rc)
    add_dependencies(q5_resources q5_artwork)
    set_source_files_properties(${q5_art_source}/Q5Resources.rc PROPERTIES
        OBJECT_DEPENDS "${q5_art_outputs};${q5_art_source}/../ResourceIds.h")
    target_include_directories(q5_resources PRIVATE ${Q5_ARTWORK_DIR} ${q5_art_source}
                                                    ${CMAKE_CURRENT_SOURCE_DIR})
    # Resources are found by id, never by symbol: hand the object itself to
    # every executable that links the Windows library.
    target_sources(q5_win INTERFACE $<TARGET_OBJECTS:q5_resources>)
    add_dependencies(q5_win q5_resources)

    # The program executable links this too: administrator rights and
    # common controls version 6.
    add_library(q5_manifest OBJECT ${q5_art_source}/Q5Manifest.rc)
    set_source_files_properties(${q5_art_source}/Q5Manifest.rc PROPERTIES
        OBJECT_DEPENDS ${q5_art_source}/Q5.manifest)
    target_include_directories(q5_manifest PRIVATE ${q5_art_source})
endif()
