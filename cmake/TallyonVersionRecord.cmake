# tallyon_version_record(TARGET [DESCRIPTION file])
# Builds the version record of DESCRIPTION (the program's own,
# cmake/Tallyon.version, by default) into the executable TARGET, where the
# version-record service (platform/VersionInfo.h) and TFileVersionInfo read it.
function(tallyon_version_record target)
  cmake_parse_arguments(ARG "" "DESCRIPTION" "" ${ARGN})
  if(NOT ARG_DESCRIPTION)
    set(ARG_DESCRIPTION ${PROJECT_SOURCE_DIR}/cmake/Tallyon.version)
  endif()
  get_filename_component(description ${ARG_DESCRIPTION} ABSOLUTE)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${target}_version_record.cpp)
  add_custom_command(
    OUTPUT ${source}
    COMMAND tallyon-vrc ${description} ${source}
    DEPENDS tallyon-vrc ${description}
    COMMENT "Version record of ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${source})
endfunction()
