# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles the program's .rc file and checks the version block inside the result.
file(REMOVE "${OUTPUT}")
execute_process(
    COMMAND "${WINDRES}" -O res -i "${RC_FILE}" -o "${OUTPUT}"
    RESULT_VARIABLE result
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT EXISTS "${OUTPUT}")
    message(FATAL_ERROR "windres failed (${result}): ${errors}")
endif()

file(READ "${OUTPUT}" bytes HEX)

# Version strings are stored as UTF-16LE.
function(utf16_hex text out)
    string(HEX "${text}" ascii)
    string(REGEX REPLACE "(..)" "\\100" wide "${ascii}")
    set(${out} "${wide}" PARENT_SCOPE)
endfunction()

foreach(text IN ITEMS "0C0A04B0" "ProductName" "InternalName" "${NAME}" "OriginalFilename"
        "${NAME}.exe" "FileVersion" "ProductVersion" "${VERSION}" "Translation")
    utf16_hex("${text}" wanted)
    string(FIND "${bytes}" "${wanted}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "\"${text}\" is missing from the version block")
    endif()
endforeach()

# Translation: language 0x0C0A, code page 1200 (0x04B0), little-endian, after the name's
# terminator and padding.
utf16_hex("Translation" name)
string(REGEX MATCH "${name}(0000)+0a0cb004" translation "${bytes}")
if(NOT translation)
    message(FATAL_ERROR "the translation is not 0x0C0A, 1200")
endif()

# Resource type 14 is an icon group: the program's icon is in.
string(FIND "${bytes}" "ffff0e00" at)
if(at EQUAL -1)
    message(FATAL_ERROR "the icon group is missing")
endif()

# The icon group and the version block are filed under Spanish (0x0C0A): in a resource header the
# type and name (an ordinal or a padded UTF-16 string) are followed by the data version (4 bytes),
# the memory flags (2 bytes) and the language.
utf16_hex("IDI_ICON1" icon_name)
foreach(type_name IN ITEMS "ffff0e00${icon_name}0000(0000)?" "ffff1000ffff0100")
    string(REGEX MATCH "${type_name}00000000....(....)" header "${bytes}")
    if(NOT header OR NOT header MATCHES "0a0c$")
        message(FATAL_ERROR "resource ${type_name} is not filed under Spanish: \"${header}\"")
    endif()
endforeach()
