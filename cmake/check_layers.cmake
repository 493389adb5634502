# Fails the build when a file includes from a layer above its own, when Qt appears below the
# window, when a name of the old form designer is used as a C++ identifier, or when a widget of
# the window still goes by one as its object name. Run as
#   cmake -DSOURCE_DIR=<repo> -P check_layers.cmake
#
# The layers, each allowed to include what is listed for it (and itself):
#   core      nothing
#   eval      core
#   ai        core eval
#   settings  nothing (the settings file knows nothing of the game)
#   engine    core eval ai settings
#   records   core eval ai settings engine (the hands kept in SQLite)
#   ui        core eval ai settings engine records
#   tools     core eval ai settings engine records
cmake_minimum_required(VERSION 3.25)
set(allowed_core "core")
set(allowed_eval "core;eval")
set(allowed_ai "core;eval;ai")
set(allowed_settings "settings")
set(allowed_engine "core;eval;ai;settings;engine")
set(allowed_records "core;eval;ai;settings;engine;records")
set(allowed_ui "core;eval;ai;settings;engine;records;ui")
set(allowed_tools "core;eval;ai;settings;engine;records;tools")
set(layers core eval ai settings engine records ui tools)
set(project_folders core eval ai settings engine records ui tools tests bench)

# Names of the old form designer: numbered layout names and run-together lowercase ones. They may
# be named in comments and texts, but neither as identifiers nor as the window's object names.
set(numbered_names "(Label|Panel|dxButton|UpDown|Pokervariant|Options|TForm)[0-9]+")
set(designer_names TAboutBox AboutBox potttt btnnew btnstay btnbet btnpass lblfcash lblgcash
    lblmcash lblccash lblpinhcash lblecash lblrcash freakstatus geekstatus masterstatus
    champstatus pinheadstatus expertstatus robotstatus playerstatus freakcash geekcash mastercash
    champcash pinheadcash theresult betsize cardbacks)
string(JOIN "|" designer_pattern ${numbered_names} ${designer_names})
# Object names of the designer that are also fair names in code (a class, a settings key, a
# field): refused only as quoted texts in the window, where they could be nothing but object names.
string(JOIN "|" object_pattern ${designer_pattern} HandHistory Levels money until)

# The sources of a folder, without any build tree inside the source tree.
function(project_sources variable folder)
    file(GLOB_RECURSE found "${folder}/*.h" "${folder}/*.cpp")
    set(kept "")
    foreach(source ${found})
        file(RELATIVE_PATH relative "${SOURCE_DIR}" "${source}")
        if(NOT relative MATCHES "^build[^/]*/")
            list(APPEND kept "${source}")
        endif()
    endforeach()
    set(${variable} "${kept}" PARENT_SCOPE)
endfunction()

set(problems "")
foreach(layer ${layers})
    project_sources(sources "${SOURCE_DIR}/${layer}")
    foreach(source ${sources})
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line ${includes})
            if(line MATCHES "#[ \t]*include[ \t]*\"([a-z]+)/")
                set(target "${CMAKE_MATCH_1}")
                if(target IN_LIST project_folders AND NOT target IN_LIST allowed_${layer})
                    list(APPEND problems "${source}: ${layer}/ may not include ${target}/")
                endif()
            endif()
            if(NOT layer STREQUAL "ui" AND line MATCHES "#[ \t]*include[ \t]*<Q")
                list(APPEND problems "${source}: Qt belongs in ui/ alone")
            endif()
        endforeach()
    endforeach()
endforeach()

project_sources(all_sources "${SOURCE_DIR}")
foreach(source ${all_sources})
    file(STRINGS "${source}" lines)
    file(RELATIVE_PATH relative "${SOURCE_DIR}" "${source}")
    foreach(line ${lines})
        # In the window a quoted text that is a designer name whole is an object name: no text the
        # player reads is one.
        if(relative MATCHES "^ui/" AND line MATCHES "\"(${object_pattern})\"")
            list(APPEND problems "${source}: the layout name ${CMAKE_MATCH_1} as an object name")
        endif()
        # Quoted text and comments may name them.
        string(REGEX REPLACE "\"([^\"\\\\]|\\\\.)*\"" "" code "${line}")
        string(REGEX REPLACE "//.*" "" code "${code}")
        if(code MATCHES "(^|[^A-Za-z0-9_])(${designer_pattern})_?($|[^A-Za-z0-9_])")
            list(APPEND problems "${source}: the layout name ${CMAKE_MATCH_2} used in code")
        endif()
    endforeach()
endforeach()

if(problems)
    list(JOIN problems "\n  " report)
    message(FATAL_ERROR "Layering check failed:\n  ${report}")
endif()
