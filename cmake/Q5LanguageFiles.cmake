# The program reads its texts from language.xml beside its executable.
# q5_ship_language_file(target) copies the English file there after every
# build of `target`.
set(Q5_LANGUAGE_FILE ${PROJECT_SOURCE_DIR}/languages/language.xml)

function(q5_ship_language_file target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${Q5_LANGUAGE_FILE}
                $<TARGET_FILE_DIR:${target}>/language.xml
        COMMENT "Copying language.xml beside ${target}"
        VERBATIM)
endfunction()
