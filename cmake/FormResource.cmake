# Form resources: object texts converted to binary component streams at build time and linked as
# RCDATA. The converter is resources/formconv built for the build machine.
if(CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  find_program(KEST_HOST_CXX NAMES c++ g++ clang++ REQUIRED)
  set(KEST_HOST_FORMCONV ${CMAKE_BINARY_DIR}/host-tools/formconv)
  ExternalProject_Add(formconv_host
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/resources/formconv
    BINARY_DIR ${CMAKE_BINARY_DIR}/host-tools
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=${KEST_HOST_CXX} -DKEST_SOURCE_DIR=${CMAKE_SOURCE_DIR}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${KEST_HOST_FORMCONV})
endif()

# kest_form_resource(TARGET NAME TEXT_FILE): converts the object text TEXT_FILE into a binary
# component stream and links it into TARGET as the RCDATA resource NAME.
function(kest_form_resource target name text)
  get_filename_component(text ${text} ABSOLUTE)
  set(dir ${CMAKE_BINARY_DIR}/form-resources/${target})
  set(bin ${dir}/${name}.bin)
  set(rc ${dir}/${name}.rc)
  add_custom_command(OUTPUT ${bin}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${KEST_HOST_FORMCONV} to-binary ${text} ${bin}
    DEPENDS ${text} ${KEST_HOST_FORMCONV} formconv_host
    COMMENT "Converting form ${name}"
    VERBATIM)
  file(CONFIGURE OUTPUT ${rc} CONTENT "${name} RCDATA \"${bin}\"\n")
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${bin})
  target_sources(${target} PRIVATE ${rc})
endfunction()
