# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the desktop entry for a program installed at `program`, from the template that CMake
# filled in with everything else. Used when configuring and again when installing, where the
# prefix is only then known.
function(telmaronda_desktop_entry template program output)
    # The Exec key quotes a path with blanks or other reserved characters.
    if(program MATCHES "[ \t\"'\\\\><~|&;$*?#()`]")
        string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" program "${program}")
        set(program "\"${program}\"")
    endif()
    set(TELMARONDA_EXEC "${program}")
    configure_file("${template}" "${output}" @ONLY)
endfunction()
