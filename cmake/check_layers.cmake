# Fails the build when a file includes from a layer above its own, when Qt appears below the
# window, or when a name of the old form designer is used as a C++ identifier. Run as
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

# Layout names of the form designer; they live on only as object names, in quotes.
set(designer_names TForm1 TAboutBox Panel1 Panel2 Panel3 Panel4 Panel5 Panel7 UpDown1 Label2
    Label3 Label4 potttt btnnew btnstay btnbet btnpass lblfcash lblgcash lblmcash lblccash
    lblpinhcash lblecash lblrcash freakstatus geekstatus masterstatus champstatus pinheadstatus
    expertstatus robotstatus playerstatus freakcash geekcash mastercash champcash pinheadcash
    dxButton1 dxButton2 dxButton3 Pokervariant1 Options1 theresult betsize)

set(problems "")
foreach(layer ${layers})
    file(GLOB_RECURSE sources "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
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

file(GLOB_RECURSE all_sources "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
list(FILTER all_sources EXCLUDE REGEX "/build/")
string(JOIN "|" designer_pattern ${designer_names})
foreach(source ${all_sources})
    file(STRINGS "${source}" lines)
    foreach(line ${lines})
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
