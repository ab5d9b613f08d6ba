# vorn_tolua_package(<target> <name> <pkg file>): generates the glue for one package at build time
# and adds it to <target>. The registration function is tolua_<name>_open(lua_State*).
# The generator exits 0 on a parse error and writes nothing, so the rule removes the old output
# first and fails when no new file appears. GlueSelfChecks.cmake then adds the self type checks
# the generator leaves out of accessors and collectors.
function(vorn_tolua_package target name pkg)
  get_filename_component(pkg_abs ${pkg} ABSOLUTE)
  get_filename_component(pkg_dir ${pkg_abs} DIRECTORY)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/tolua_${name}.cpp)
  set(hdr ${CMAKE_CURRENT_BINARY_DIR}/tolua_${name}.h)
  file(GLOB_RECURSE pkg_includes CONFIGURE_DEPENDS ${pkg_dir}/*.pkg)
  add_custom_command(
    OUTPUT ${out} ${hdr}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${out} ${hdr}
    COMMAND ${TOLUA_GENERATOR} -n ${name} -o ${out} -H ${hdr} ${pkg_abs}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${out} -DPKG=${pkg_abs} -P ${PROJECT_SOURCE_DIR}/cmake/CheckGenerated.cmake
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${out} -P ${PROJECT_SOURCE_DIR}/cmake/GlueSelfChecks.cmake
    DEPENDS ${pkg_abs} ${pkg_includes} ${PROJECT_SOURCE_DIR}/cmake/GlueSelfChecks.cmake
    WORKING_DIRECTORY ${pkg_dir}
    COMMENT "Generating Lua glue for package ${name}"
    VERBATIM)
  set(glue glue_${name})
  add_library(${glue} OBJECT ${out})
  target_include_directories(${glue} PRIVATE ${pkg_dir} ${CMAKE_CURRENT_BINARY_DIR})
  target_link_libraries(${glue} PRIVATE tolua vorn_api_common)
  vorn_relaxed_warnings(${glue})
  target_sources(${target} PRIVATE $<TARGET_OBJECTS:${glue}>)
endfunction()
