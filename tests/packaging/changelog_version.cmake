# Fails unless the changelog's newest entry is VERSION.
# Usage: cmake -DPARSER=dpkg-parsechangelog -DCHANGELOG=FILE -DVERSION=V -P changelog_version.cmake
execute_process(COMMAND ${PARSER} -l ${CHANGELOG} -S Version
                OUTPUT_VARIABLE entry OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
if(NOT "${entry}" STREQUAL "${VERSION}")
  message(FATAL_ERROR "${CHANGELOG}: the newest entry is ${entry}, the build's version ${VERSION}")
endif()
message(STATUS "changelog and build agree on ${VERSION}")
