# Runs the layer check (CHECK) on a small tree under WORK, first as it is sound, then with one
# fault at a time; each fault must fail the check with a report that names it. WORK lies in the
# build folder, so the check is also seen to read a tree inside a folder called build.
cmake_minimum_required(VERSION 3.25)
set(tree "${WORK}/tree")

# A sound tree: every layer includes only from below, Qt stays in ui/, and the old designer's
# names appear only where they may, in a comment and in a quoted text outside the window.
function(write_sound_tree)
    file(REMOVE_RECURSE "${tree}")
    file(WRITE "${tree}/core/card.h" "#pragma once\n// Once the designer's Label3.\n")
    file(WRITE "${tree}/settings/store.h" "#pragma once\n#include <string>\n")
    file(WRITE "${tree}/engine/game.cpp"
         "#include \"core/card.h\"\n#include \"settings/store.h\"\n"
         "const char* kKey = \"btnnew\";\n")
    file(WRITE "${tree}/ui/window.cpp"
         "#include \"engine/game.h\"\n#include <QLabel>\n"
         "void name(QLabel* label) { label->setObjectName(\"potAmount\"); }\n")
endfunction()

# Runs the check; `expected` is what its report must say, or empty where it must pass.
function(expect case expected)
    execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree} -P ${CHECK}
                    RESULT_VARIABLE result ERROR_VARIABLE report)
    string(FIND "${report}" "${expected}" at)
    if(expected STREQUAL "" AND NOT result EQUAL 0)
        message(SEND_ERROR "${case}: the check refused a sound tree:\n${report}")
    elseif(NOT expected STREQUAL "" AND (result EQUAL 0 OR at EQUAL -1))
        message(SEND_ERROR "${case}: the check did not report \"${expected}\":\n${report}")
    endif()
endfunction()

# A fault added to one file of the sound tree.
function(expect_fault case file line expected)
    write_sound_tree()
    file(APPEND "${tree}/${file}" "${line}\n")
    expect("${case}" "${expected}")
endfunction()

write_sound_tree()
expect("sound tree" "")
expect_fault("core includes engine" core/card.h "#include \"engine/game.h\""
             "core/card.h: core/ may not include engine/")
expect_fault("settings includes core" settings/store.h "#  include \"core/card.h\""
             "settings/store.h: settings/ may not include core/")
expect_fault("Qt below the window" engine/game.cpp "#include <QString>"
             "engine/game.cpp: Qt belongs in ui/ alone")
expect_fault("a numbered designer name as an object name" ui/window.cpp
             "void other(QLabel* label) { label->setObjectName(\"Label3\"); }"
             "ui/window.cpp: the layout name Label3 as an object name")
expect_fault("a run-together designer name in an object-name table" ui/window.cpp
             "const char* kNames[] = {\"dealButton\", \"btnstay\"};"
             "ui/window.cpp: the layout name btnstay as an object name")
expect_fault("a designer name as an identifier" engine/game.cpp "int potttt = 0;"
             "engine/game.cpp: the layout name potttt used in code")
