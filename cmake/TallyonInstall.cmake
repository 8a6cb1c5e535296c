# tallyon_install_gzipped(SOURCE file DESTINATION folder [NAME installed-name])
# Installs a text file of the build folder compressed as Debian ships its
# documents: gzip at its best, without the file's name and time, so the same
# text always gives the same bytes. The file is made by the target ALL.
function(tallyon_install_gzipped)
  cmake_parse_arguments(ARG "" "SOURCE;DESTINATION;NAME" "" ${ARGN})
  if(NOT ARG_NAME)
    get_filename_component(ARG_NAME ${ARG_SOURCE} NAME)
  endif()
  set(output ${CMAKE_CURRENT_BINARY_DIR}/gzipped/${ARG_NAME}.gz)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/gzipped
    COMMAND sh -c "gzip -9n -c \"$1\" >\"$2\"" gzip ${ARG_SOURCE} ${output}
    DEPENDS ${ARG_SOURCE}
    VERBATIM)
  string(MAKE_C_IDENTIFIER "gzipped_${ARG_NAME}" target)
  add_custom_target(${target} ALL DEPENDS ${output})
  install(FILES ${output} DESTINATION ${ARG_DESTINATION})
endfunction()
