# Fails when a source of the core library includes a header of the wx, GL,
# libmpv, SOIL, FTGL, FreeType, fontconfig or X11 layers, directly or through
# the project headers it includes. The core must build and run without them.
#
#   cmake -DSOURCE_LIST=<file, one source a line> -DSOURCE_ROOT=<src dir> -P CoreIncludes.cmake
#
# GL's headers live in /usr/include, so compiling the core without wx on the
# include path does not catch them: the sources are read instead.
cmake_minimum_required(VERSION 3.22)

set(banned "wx/|GL/|GLES|mpv/|SOIL|FTGL/|ftgl|ft2build|freetype|fontconfig/|X11/|gtk/|gdk/|glib")
set(include_line "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"]")

file(STRINGS "${SOURCE_LIST}" pending)
list(FILTER pending INCLUDE REGEX "\\.(c|cc|cpp|h|hpp)$")
if(NOT pending)
    message(FATAL_ERROR "No core sources listed in ${SOURCE_LIST}")
endif()
set(seen "")
set(offences "")
# Walks the project headers breadth first; `via_<file>` records who included it.
while(pending)
    list(POP_FRONT pending file)
    if(file IN_LIST seen)
        continue()
    endif()
    list(APPEND seen "${file}")
    file(STRINGS "${file}" lines REGEX "${include_line}")
    get_filename_component(dir "${file}" DIRECTORY)
    foreach(line IN LISTS lines)
        string(REGEX MATCH "${include_line}" _ "${line}")
        set(header "${CMAKE_MATCH_1}")
        if(header MATCHES "^(${banned})")
            set(chain "${file}")
            set(at "${file}")
            while(DEFINED "via_${at}")
                set(at "${via_${at}}")
                string(APPEND chain " <- ${at}")
            endwhile()
            list(APPEND offences "  <${header}> in ${chain}")
        elseif(EXISTS "${dir}/${header}")
            get_filename_component(next "${dir}/${header}" ABSOLUTE)
        elseif(EXISTS "${SOURCE_ROOT}/${header}")
            get_filename_component(next "${SOURCE_ROOT}/${header}" ABSOLUTE)
        else()
            continue()
        endif()
        if(DEFINED next AND NOT next IN_LIST seen)
            if(NOT DEFINED "via_${next}")
                set("via_${next}" "${file}")
            endif()
            list(APPEND pending "${next}")
        endif()
        unset(next)
    endforeach()
endwhile()

list(LENGTH seen count)
if(offences)
    string(REPLACE ";" "\n" offences "${offences}")
    message(FATAL_ERROR "The core includes headers of the GUI layers:\n${offences}")
endif()
message(STATUS "${count} core sources and project headers include no GUI-layer header")
