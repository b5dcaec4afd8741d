# One interface target carries the language level, warnings and Qt strictness for every target.
add_library(kestrova_options INTERFACE)
target_compile_features(kestrova_options INTERFACE cxx_std_20)
target_compile_options(kestrova_options INTERFACE -Wall -Wextra -Wpedantic -Woverloaded-virtual)
target_compile_definitions(kestrova_options INTERFACE
    QT_NO_CONTEXTLESS_CONNECT QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
if(KESTROVA_SANITIZE)
    target_compile_options(kestrova_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(kestrova_options INTERFACE -fsanitize=address,undefined)
endif()

# Each library globs its own folder so that adding a window needs no edit elsewhere.
function(kestrova_library name)
    cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC kestrova_options ${ARG_LINKS})
endfunction()
