# SPDX-License-Identifier: GPL-3.0-or-later
# Breaks the puzzle table in one place at a time and makes sure the compiler refuses it.
# Called as: cmake -DCOMPILER=... -DSOURCE=.../puzzle.cpp -DINCLUDES="a;b" -DWORK=dir -P this-file
cmake_minimum_required(VERSION 3.25)

# Each mutation: a name, the text to replace, its replacement, and what the compiler must say.
set(mutations
    "crossing letter|\"DALCHE\"|\"DBLCHE\"|crossings must be ten"
    "cell numbered out of turn|{11, 2, 12, 13, 14, 15}|{11, 2, 13, 12, 14, 15}|first sight"
    "bent word|{A, 1, 3}, {A, 1, 4}|{A, 2, 3}, {A, 1, 4}|straight line"
    "third word through a cell|{38, 37, 39, 40, 41, 42}|{38, 24, 39, 40, 41, 42}|crossings must be ten"
    "answer with an accent|\"NARE\"|\"NAR\\xC9\"|letters A-Z"
    "island B on island A's lattice|IslandGrid {6, 6, {5760, 2160}}|IslandGrid {6, 6, {5760, 2280}}|lattice")

file(READ "${SOURCE}" original)
list(TRANSFORM INCLUDES PREPEND "-I")
get_filename_component(source_dir "${SOURCE}" DIRECTORY)
file(MAKE_DIRECTORY "${WORK}")

set(failures 0)
foreach(mutation IN LISTS mutations)
    string(REPLACE "|" ";" parts "${mutation}")
    list(GET parts 0 name)
    list(GET parts 1 from)
    list(GET parts 2 to)
    list(GET parts 3 expected)

    string(FIND "${original}" "${from}" at)
    if(at EQUAL -1)
        message(SEND_ERROR "${name}: the table no longer holds '${from}'; update this test")
        math(EXPR failures "${failures} + 1")
        continue()
    endif()
    string(REPLACE "${from}" "${to}" mutated "${original}")
    file(WRITE "${WORK}/mutated.cpp" "${mutated}")
    execute_process(
        COMMAND "${COMPILER}" -std=c++20 -fsyntax-only -fPIC -I${source_dir}/.. ${INCLUDES}
            "${WORK}/mutated.cpp"
        RESULT_VARIABLE result
        OUTPUT_VARIABLE output
        ERROR_VARIABLE output)
    if(result EQUAL 0)
        message(SEND_ERROR "${name}: the broken table still compiles")
        math(EXPR failures "${failures} + 1")
    elseif(NOT output MATCHES "${expected}")
        message(SEND_ERROR "${name}: compile failed without saying '${expected}':\n${output}")
        math(EXPR failures "${failures} + 1")
    else()
        message(STATUS "${name}: refused, as it should be")
    endif()
endforeach()

# The untouched table must compile, or every refusal above proves nothing.
execute_process(
    COMMAND "${COMPILER}" -std=c++20 -fsyntax-only -fPIC -I${source_dir}/.. ${INCLUDES} "${SOURCE}"
    RESULT_VARIABLE result ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the table as committed does not compile:\n${output}")
endif()
if(failures GREATER 0)
    message(FATAL_ERROR "${failures} broken tables were not refused")
endif()
