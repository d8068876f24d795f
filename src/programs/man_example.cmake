# Puts the example of --help into the manual page line for line: help2man
# fills its paragraphs, which splits a command across lines and breaks it
# when copied. Run as cmake -DPAGE=... -DPROGRAM=... -P man_example.cmake.
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)
string(FIND "${help}" "Ejemplo:\n" start)
if(start EQUAL -1)
  message(FATAL_ERROR "--help has no example")
endif()
string(SUBSTRING "${help}" ${start} -1 example)
string(REGEX REPLACE "^Ejemplo:\n" "" example "${example}")
string(REGEX REPLACE "\n+$" "" example "${example}")
# roff: a backslash is written \e, and a line may not start with . or '.
string(REPLACE "\\" "\\e" example "${example}")
string(REPLACE "-" "\\-" example "${example}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" example "${example}")

file(READ ${PAGE} page)
string(FIND "${page}" ".SS \"Ejemplo:\"" from)
string(FIND "${page}" ".SH" to REVERSE)
if(from EQUAL -1 OR to LESS from)
  message(FATAL_ERROR "the manual page has no example to replace")
endif()
string(SUBSTRING "${page}" 0 ${from} before)
string(SUBSTRING "${page}" ${to} -1 after)
file(WRITE ${PAGE} "${before}.SS \"Ejemplo:\"\n.PP\n.nf\n.RS 2\n${example}\n.RE\n.fi\n${after}")
