# The payload of Install.EXE: the replacement game executable packed by the
# host packer into an HF stream at build time, carried as resource "FILES" 132.
#
#   add_hf_payload(<name> INPUT <file or $<TARGET_FILE:...>> OUTPUT <stream>)
#
# packs INPUT into OUTPUT whenever INPUT (or the packer) changes, adds the
# custom target <name> that builds it, and writes the resource-script fragment
# ${CMAKE_CURRENT_BINARY_DIR}/<name>.rc, whose path it returns in <name>_RC,
# for the program's sources. The target carries the input and the stream as
# its properties HF_PAYLOAD_INPUT and HF_PAYLOAD_STREAM, for the tests.
#
# HF_PAYLOAD_GAME_INPUT names the executable to carry: the cache variable
# INSTALL_TOOL_GAME_EXECUTABLE (a real game executable) when it is set,
# otherwise the stand-in game built as "1, 0, 0, 7" (target quv6_1007).
include_guard(GLOBAL)

set(HFPACK_EXECUTABLE "" CACHE FILEPATH
    "Host packer hfpack; when empty it is built from this source tree with the host compilers")
set(INSTALL_TOOL_GAME_EXECUTABLE "" CACHE FILEPATH
    "Game executable that Install.EXE carries; when empty, the stand-in game 1.0.0.7")

if(INSTALL_TOOL_GAME_EXECUTABLE)
  set(HF_PAYLOAD_GAME_INPUT "${INSTALL_TOOL_GAME_EXECUTABLE}")
else()
  set(HF_PAYLOAD_GAME_INPUT "$<TARGET_FILE:quv6_1007>")
endif()

# The packer is a build-machine program: either the one given, or the host
# tools of this same source tree, configured apart without tests or sanitizers.
if(HFPACK_EXECUTABLE)
  set_property(GLOBAL PROPERTY HF_PACKER "${HFPACK_EXECUTABLE}")
  set_property(GLOBAL PROPERTY HF_PACKER_DEPENDS "${HFPACK_EXECUTABLE}")
else()
  include(ExternalProject)
  set(host_tools_dir ${CMAKE_BINARY_DIR}/host-tools)
  ExternalProject_Add(host_tools
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${host_tools_dir}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DINSTALL_TOOL_TESTS=OFF -DINSTALL_TOOL_SANITIZE=OFF
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target hfpack
    BUILD_BYPRODUCTS ${host_tools_dir}/tools/hfpack
    INSTALL_COMMAND ""
    # The sub-build decides itself whether the packer's sources changed.
    BUILD_ALWAYS TRUE
  )
  set_property(GLOBAL PROPERTY HF_PACKER "${host_tools_dir}/tools/hfpack")
  set_property(GLOBAL PROPERTY HF_PACKER_DEPENDS "host_tools;${host_tools_dir}/tools/hfpack")
endif()

function(add_hf_payload name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "INPUT;OUTPUT" "")
  if(NOT arg_INPUT OR NOT arg_OUTPUT OR arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "usage: add_hf_payload(<name> INPUT <file> OUTPUT <stream>)")
  endif()
  get_property(packer GLOBAL PROPERTY HF_PACKER)
  get_property(packer_depends GLOBAL PROPERTY HF_PACKER_DEPENDS)

  # A target's file also orders the packing after that target's build.
  set(input_depends "${arg_INPUT}")
  if(arg_INPUT MATCHES "^\\$<TARGET_FILE:([^>]+)>$")
    list(APPEND input_depends ${CMAKE_MATCH_1})
  endif()

  add_custom_command(OUTPUT ${arg_OUTPUT}
    COMMAND ${packer} ${arg_INPUT} ${arg_OUTPUT}
    DEPENDS ${input_depends} ${packer_depends}
    COMMENT "Packing the payload ${arg_OUTPUT}"
    VERBATIM)
  add_custom_target(${name} DEPENDS ${arg_OUTPUT})
  set_target_properties(${name} PROPERTIES HF_PAYLOAD_INPUT "${arg_INPUT}" HF_PAYLOAD_STREAM "${arg_OUTPUT}")

  # 132 is IDR_PAYLOAD of res/resource.h. windres does not report the files a
  # script pulls in, so the stream is named as a dependency of the script.
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
  file(CONFIGURE OUTPUT ${rc} CONTENT "LANGUAGE 17, 1\n132 FILES \"${arg_OUTPUT}\"\n")
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${arg_OUTPUT})
  set(${name}_RC ${rc} PARENT_SCOPE)
endfunction()
