# tallyon_version_record(TARGET [DESCRIPTION file])
# Builds the version record of DESCRIPTION (the program's own,
# cmake/Tallyon.version, by default) into the executable TARGET, where the
# version-record service (platform/VersionInfo.h) and TFileVersionInfo read it:
# on Windows as its version resource, compiled by windres, elsewhere as an
# ELF section.
function(tallyon_version_record target)
  cmake_parse_arguments(ARG "" "DESCRIPTION" "" ${ARGN})
  if(NOT ARG_DESCRIPTION)
    set(ARG_DESCRIPTION ${PROJECT_SOURCE_DIR}/cmake/Tallyon.version)
  endif()
  get_filename_component(description ${ARG_DESCRIPTION} ABSOLUTE)
  if(WIN32)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/${target}_version_record.rc)
  else()
    set(source ${CMAKE_CURRENT_BINARY_DIR}/${target}_version_record.cpp)
  endif()
  add_custom_command(
    OUTPUT ${source}
    COMMAND tallyon-vrc ${description} ${source}
    DEPENDS tallyon-vrc ${description}
    COMMENT "Version record of ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${source})
endfunction()

# tallyon_product_version(OUT)
# Sets OUT to the FileVersion of the program's own version record, the
# version the About box shows, so the package and the metainfo carry it too.
function(tallyon_product_version out)
  set(description ${PROJECT_SOURCE_DIR}/cmake/Tallyon.version)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${description})
  file(STRINGS ${description} line REGEX "^FileVersion[ \t]+")
  string(REGEX REPLACE "^FileVersion[ \t]+([0-9.]+).*" "\\1" version "${line}")
  set(${out} ${version} PARENT_SCOPE)
endfunction()
