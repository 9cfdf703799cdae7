# Installs the build into a fresh prefix and checks what a desktop gets: the
# program answers --version, --help and a wrong option as documented, every
# icon is there at its size, the menu entries validate, the xscreensaver
# description is well-formed, runs it with -root and gives it only options it
# takes, and the man page renders without a warning.
#
#   cmake -DBUILD_DIR=<build> -DPREFIX=<scratch folder> -DVERSION=<x.y.z> -P InstallCheck.cmake
cmake_minimum_required(VERSION 3.22)

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(failures "")
set(program "${PREFIX}/bin/velmar")
set(entry "${PREFIX}/share/applications/velmar.desktop")
set(wallpaperEntry "${PREFIX}/share/applications/velmar-wallpaper.desktop")
set(hack "${PREFIX}/share/xscreensaver/config/velmar.xml")
set(manual "${PREFIX}/share/man/man6/velmar.6.gz")
set(listing "${PREFIX}/share/metainfo/example.velmar_aquarium.Velmar.metainfo.xml")
foreach(file IN ITEMS "${program}" "${entry}" "${wallpaperEntry}" "${hack}" "${manual}" "${listing}")
    if(NOT EXISTS "${file}")
        list(APPEND failures "not installed: ${file}")
    endif()
endforeach()

# A PNG's width and height are the two big-endian words after its IHDR tag.
foreach(size 16 32 48 64 128 256)
    set(icon "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/velmar.png")
    if(NOT EXISTS "${icon}")
        list(APPEND failures "not installed: ${icon}")
        continue()
    endif()
    file(READ "${icon}" header OFFSET 12 LIMIT 12 HEX)
    math(EXPR word "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(REGEX REPLACE "^0x" "0000000" word "${word}")
    string(REGEX REPLACE "^.*(........)$" "\\1" word "${word}")
    if(NOT header STREQUAL "49484452${word}${word}")
        list(APPEND failures "${icon} is not ${size} x ${size}: ${header}")
    endif()
endforeach()

# The texts below are English whatever language the test's environment names.
set(english LANGUAGE= LC_ALL=C.UTF-8)
execute_process(COMMAND "${program}" --version RESULT_VARIABLE status OUTPUT_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out STREQUAL "velmar ${VERSION}\n")
    list(APPEND failures "--version ended with ${status}, printing '${out}'")
endif()

# --help names the settings file without making its folder.
set(config "${PREFIX}/config")
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_CONFIG_HOME=${config} ${english} "${program}" --help
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(FIND "${out}" "Settings file: ${config}/velmar/VelmarSet.ini\n" at)
if(NOT status EQUAL 0 OR at EQUAL -1 OR NOT err STREQUAL "" OR EXISTS "${config}")
    list(APPEND failures "--help ended with ${status}, printing:\n${out}${err}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E env ${english} "${program}" -root --bogus
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(FIND "${err}" "velmar: unknown option '--bogus'\nUsage: velmar" at)
if(NOT status EQUAL 2 OR NOT at EQUAL 0 OR NOT out STREQUAL "")
    list(APPEND failures "a wrong option ended with ${status}, printing:\n${out}${err}")
endif()

# German and Japanese as a sample of every language: the catalog, found by the
# installed program under its prefix, and the menu entry's and listing's fields.
foreach(locale de_DE ja_JP)
    string(REGEX REPLACE "_.*" "" language "${locale}")
    if(NOT EXISTS "${PREFIX}/share/locale/${language}/LC_MESSAGES/velmar.mo")
        list(APPEND failures "no ${language} catalog installed")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LANGUAGE= LC_ALL=${locale}.UTF-8
                            "${program}" --help OUTPUT_VARIABLE translated)
    string(FIND "${translated}" "Usage: velmar" at)
    if(NOT at EQUAL -1)
        list(APPEND failures "--help is English under ${locale}.UTF-8")
    endif()
    file(STRINGS "${entry}" comment ENCODING UTF-8 REGEX "^Comment\\[${language}\\]=.")
    file(STRINGS "${wallpaperEntry}" wallpaperName ENCODING UTF-8 REGEX "^Name\\[${language}\\]=.")
    if(NOT comment OR NOT wallpaperName)
        list(APPEND failures "the menu entries lack their ${language} fields")
    endif()
    file(READ "${listing}" listingText)
    if(NOT listingText MATCHES "<summary xml:lang=\"${language}\">")
        list(APPEND failures "the listing lacks its ${language} summary")
    endif()
endforeach()

execute_process(COMMAND desktop-file-validate "${entry}" "${wallpaperEntry}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    list(APPEND failures "desktop-file-validate: ${out}${err}")
endif()

file(READ "${hack}" text)
if(NOT text MATCHES "<screensaver name=\"velmar\"[^>]*>.*<command arg=\"-root\"/>.*</screensaver>")
    list(APPEND failures "the xscreensaver description does not run velmar -root")
endif()
execute_process(COMMAND xmllint --noout "${hack}" RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    list(APPEND failures "the xscreensaver description is no well-formed XML:\n${err}")
endif()
# Every option the description can put on the command line, a slider's at its
# ends and its default: the program reads the options before --version and
# ends with status 2 at one it does not know or whose value it refuses.
string(REGEX MATCHALL "arg(-set|-unset)?=\"[^\"%]*\"" switches "${text}")
string(REGEX MATCHALL "<number [^>]*>" sliders "${text}")
set(commandLines "")
foreach(switch IN LISTS switches)
    string(REGEX REPLACE "^[^\"]*\"([^\"]*)\"$" "\\1" switch "${switch}")
    list(APPEND commandLines "${switch}")
endforeach()
foreach(slider IN LISTS sliders)
    string(REGEX MATCH "arg=\"([^\"]*)\"" _ "${slider}")
    set(arg "${CMAKE_MATCH_1}")
    foreach(end IN ITEMS low default high)
        string(REGEX MATCH " ${end}=\"([^\"]*)\"" _ "${slider}")
        string(REPLACE "%" "${CMAKE_MATCH_1}" withValue "${arg}")
        list(APPEND commandLines "${withValue}")
    endforeach()
endforeach()
list(LENGTH commandLines count)
if(count LESS 10)
    list(APPEND failures "the xscreensaver description gives only ${count} options: ${commandLines}")
endif()
foreach(commandLine IN LISTS commandLines)
    separate_arguments(arguments UNIX_COMMAND "${commandLine}")
    execute_process(COMMAND "${program}" ${arguments} --version
                    RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        list(APPEND failures "velmar ${commandLine}, from the xscreensaver description: ${err}")
    endif()
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -E env MANWIDTH=80 man --warnings -l "${manual}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(FIND "${out}" "velmar ${VERSION}" at)
if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR at EQUAL -1)
    list(APPEND failures "man ended with ${status}, the version at ${at}, warning:\n${err}")
endif()

if(failures)
    string(REPLACE ";" "\n  " failures "${failures}")
    message(FATAL_ERROR "The installation is not right:\n  ${failures}")
endif()
message(STATUS "Installed and checked in ${PREFIX}")
