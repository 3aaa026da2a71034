# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the picture generator into an empty folder and compares every file it writes with the one
# committed under assets/.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
# GENERATOR is the command, its words joined by "|".
string(REPLACE "|" ";" generator "${GENERATOR}")
execute_process(COMMAND ${generator} "${WORK}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "picturegen failed: ${result}")
endif()
file(GLOB_RECURSE written RELATIVE "${WORK}" "${WORK}/*")
list(LENGTH written count)
if(count LESS 28)
    message(FATAL_ERROR "picturegen wrote only ${count} files")
endif()
set(differing "")
foreach(name IN LISTS written)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/${name}" "${ASSETS}/${name}"
        RESULT_VARIABLE same)
    if(NOT same EQUAL 0)
        list(APPEND differing "${name}")
    endif()
endforeach()
if(differing)
    message(FATAL_ERROR "generated files differ from assets/: ${differing}")
endif()
message(STATUS "${count} generated files match assets/")
