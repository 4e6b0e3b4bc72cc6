# Installs the build into a scratch prefix and checks what a desktop needs.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

foreach(program korvel korvel-check korvel-lsp)
    if(NOT EXISTS ${PREFIX}/bin/${program})
        message(FATAL_ERROR "bin/${program} is not installed")
    endif()
endforeach()

set(desktop ${PREFIX}/share/applications/korvel.desktop)
set(mime ${PREFIX}/share/mime/packages/korvel-mirc-script.xml)
foreach(file ${desktop} ${mime} ${PREFIX}/share/icons/hicolor/scalable/apps/korvel.svg)
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "${file} is not installed")
    endif()
endforeach()

# The menu entry starts the installed program with the files it is given,
# and claims the MIME type the glob gives .mrc files.
file(READ ${desktop} entry)
if(NOT entry MATCHES "\nExec=korvel %F\n" OR NOT entry MATCHES "\nMimeType=text/x-mirc-script;\n")
    message(FATAL_ERROR "korvel.desktop does not open files as text/x-mirc-script:\n${entry}")
endif()
file(READ ${mime} types)
if(NOT types MATCHES "type=\"text/x-mirc-script\"" OR NOT types MATCHES "<glob pattern=\"\\*\\.mrc\"/>")
    message(FATAL_ERROR "the MIME type does not claim *.mrc:\n${types}")
endif()

find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
    execute_process(COMMAND ${VALIDATE} ${desktop} RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(NOT status EQUAL 0 OR said MATCHES "error")
        message(FATAL_ERROR "desktop-file-validate: ${said}")
    endif()
endif()
