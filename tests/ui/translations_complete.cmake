# Fails when a translation is not complete: lupdate is run over the sources into a copy of each
# .ts, so that a text new in the sources shows as unfinished and one no longer there as vanished,
# and every text must be finished. Run as
#   cmake -DLUPDATE=.. -DLRELEASE=.. -DTRANSLATIONS=<.ts list> -DSOURCES=<list> -DOPTIONS=<list>
#         -DINCLUDE=<folder> -DWORK=<scratch folder> -P translations_complete.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(lst "${WORK}/sources.lst")
string(JOIN "\n" listed ${SOURCES})
file(WRITE "${lst}" "${listed}\n")
set(problems "")
foreach(ts ${TRANSLATIONS})
    get_filename_component(name "${ts}" NAME)
    set(copy "${WORK}/${name}")
    file(COPY_FILE "${ts}" "${copy}")
    execute_process(COMMAND "${LUPDATE}" -silent ${OPTIONS} -I "${INCLUDE}" "@${lst}" -ts "${copy}"
                    RESULT_VARIABLE failed ERROR_VARIABLE errors)
    if(failed OR NOT errors STREQUAL "")
        string(APPEND problems "${name}: lupdate failed: ${errors}\n")
        continue()
    endif()
    file(READ "${copy}" content)
    foreach(kind unfinished vanished obsolete)
        string(REGEX MATCHALL "<translation type=\"${kind}\"" found "${content}")
        list(LENGTH found count)
        if(count GREATER 0)
            string(APPEND problems "${name}: ${count} ${kind}\n")
        endif()
    endforeach()
    execute_process(COMMAND "${LRELEASE}" -silent "${copy}" -qm "${WORK}/${name}.qm"
                    RESULT_VARIABLE failed ERROR_VARIABLE errors)
    if(failed OR NOT errors STREQUAL "")
        string(APPEND problems "${name}: lrelease failed: ${errors}\n")
    endif()
endforeach()
if(NOT problems STREQUAL "")
    message(FATAL_ERROR "Translations not complete (regenerate with the target update_translations "
                        "and translate):\n${problems}")
endif()
