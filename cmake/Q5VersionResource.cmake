# Version information for every executable and library we ship.
#
#   q5_version_resource(<target> "<file description>")
#
# generates <build>/version/<target>.rc with a VERSIONINFO resource (file and
# product version from PROJECT_VERSION, our product and company names, the
# description, the file's own name) and compiles it into the target. Windows
# builds only; elsewhere it does nothing. Call it once per shipped target.
set(Q5_PRODUCT_NAME "Korvo Q5 companion")
set(Q5_COMPANY_NAME "Korvo Q5 companion developers")
set(Q5_VERSION_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/Q5Version.rc.in)

function(q5_version_resource target description)
    if(NOT WIN32)
        return()
    endif()
    get_target_property(type ${target} TYPE)
    get_target_property(output_name ${target} OUTPUT_NAME)
    if(NOT output_name)
        set(output_name ${target})
    endif()
    if(type STREQUAL "EXECUTABLE")
        set(Q5_FILE_TYPE "0x1L")  # VFT_APP
        set(Q5_ORIGINAL_NAME "${output_name}.exe")
    else()
        set(Q5_FILE_TYPE "0x2L")  # VFT_DLL
        set(Q5_ORIGINAL_NAME "${output_name}.dll")
    endif()
    set(Q5_FILE_DESCRIPTION "${description}")
    set(Q5_INTERNAL_NAME "${output_name}")
    set(Q5_VERSION_COMMAS
        "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
    set(Q5_VERSION_TEXT "${PROJECT_VERSION}")
    set(rc ${CMAKE_BINARY_DIR}/version/${target}.rc)
    configure_file(${Q5_VERSION_TEMPLATE} ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
