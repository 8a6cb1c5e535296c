# Run by CPack (CPACK_PRE_BUILD_SCRIPTS) on the staged package tree, after
# CPack's own strip: removes the sections Debian strips from the programs it
# ships, the compiler's ".comment" and the plain ".note", as dh_strip does.
# The programs' version records and build ids stay.
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*")
if(NOT programs)
  message(FATAL_ERROR "no programs to strip under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(program IN LISTS programs)
  execute_process(
    COMMAND ${CPACK_TALLYON_STRIP} --remove-section=.comment --remove-section=.note ${program}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${CPACK_TALLYON_STRIP} failed on ${program}")
  endif()
endforeach()
