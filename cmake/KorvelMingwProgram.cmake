# Windows programs built with mingw-w64 beside the normal build: the Wine
# helper, the fake mIRC and the Win32 core's test client. They are plain
# C++ with no Qt, so the cross compiler alone builds them; without it they
# are simply not built (and the Wine tests report themselves skipped).

find_program(KORVEL_MINGW_CXX NAMES x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-g++)
set(KORVEL_WIN32_CORE_DIR ${CMAKE_SOURCE_DIR}/src/mirc/win32)
set(KORVEL_WIN32_CORE_SOURCES ${KORVEL_WIN32_CORE_DIR}/MircWin32Core.cpp)
set(KORVEL_WIN32_CORE_HEADERS
    ${KORVEL_WIN32_CORE_DIR}/MircWin32Core.h ${KORVEL_WIN32_CORE_DIR}/MircSharedMemoryLayout.h
    ${KORVEL_WIN32_CORE_DIR}/WideText.h)
# Text conversions the helper programs need around the core.
set(KORVEL_WIN32_TEXT_SOURCES ${KORVEL_WIN32_CORE_DIR}/WideText.cpp)

# korvel_add_mingw_program(name SOURCES ... [HEADERS ...] [INCLUDES ...])
# builds ${CMAKE_BINARY_DIR}/bin/<name>.exe, statically linked so that Wine
# needs no mingw runtime next to it.
function(korvel_add_mingw_program name)
    cmake_parse_arguments(P "" "" "SOURCES;HEADERS;INCLUDES" ${ARGN})
    if(NOT KORVEL_MINGW_CXX)
        return()
    endif()
    set(output ${CMAKE_BINARY_DIR}/bin/${name}.exe)
    set(include_flags -I${CMAKE_SOURCE_DIR}/src -I${CMAKE_SOURCE_DIR}/tools)
    foreach(dir ${P_INCLUDES})
        list(APPEND include_flags -I${dir})
    endforeach()
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin
        COMMAND ${KORVEL_MINGW_CXX} -std=c++17 -O2 -Wall -municode -static -DUNICODE -D_UNICODE
                ${include_flags} -o ${output} ${P_SOURCES} -luser32
        DEPENDS ${P_SOURCES} ${P_HEADERS}
        COMMENT "Building the Windows program ${name}.exe with mingw-w64"
        VERBATIM)
    add_custom_target(${name} ALL DEPENDS ${output})
endfunction()
