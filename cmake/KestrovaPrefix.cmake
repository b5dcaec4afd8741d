# The install prefix is the program folder, which is also the player's data folder:
# $XDG_DATA_HOME/kestrova, or ~/.local/share/kestrova.
if(DEFINED ENV{XDG_DATA_HOME} AND NOT "$ENV{XDG_DATA_HOME}" STREQUAL "")
    set(kestrova_default_folder "$ENV{XDG_DATA_HOME}/kestrova")
else()
    set(kestrova_default_folder "$ENV{HOME}/.local/share/kestrova")
endif()
# CMake marks its own default as one only on the first configure. A build folder configured before
# the program had a folder of its own keeps /usr/local in its cache, unmarked: a cache that exists
# but has never been through here holds that default, not a choice.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT OR
   (EXISTS "${CMAKE_BINARY_DIR}/CMakeCache.txt" AND NOT DEFINED CACHE{KESTROVA_PREFIX_CHECKED}
    AND CMAKE_INSTALL_PREFIX STREQUAL "/usr/local"))
    if(NOT CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
        message(STATUS "Install prefix: ${kestrova_default_folder}, the program folder, in place of /usr/local")
    endif()
    set(CMAKE_INSTALL_PREFIX "${kestrova_default_folder}" CACHE PATH "The program folder" FORCE)
endif()
set(KESTROVA_PREFIX_CHECKED ON CACHE INTERNAL "The install prefix of an earlier cache was checked")
