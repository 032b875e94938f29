# The report files (Reports/ at the top of the source tree) are copied into a
# Reports folder beside a program, where OpenReport looks for them. A file
# added or edited is copied again on the next build.
function(orstation_copy_reports target)
  file(GLOB report_files CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/Reports/*")
  get_target_property(target_dir ${target} BINARY_DIR)
  set(copies)
  foreach(source ${report_files})
    get_filename_component(name "${source}" NAME)
    set(copy "${target_dir}/Reports/${name}")
    add_custom_command(OUTPUT "${copy}"
      COMMAND ${CMAKE_COMMAND} -E copy_if_different "${source}" "${copy}"
      DEPENDS "${source}"
      COMMENT "Report file ${name}"
      VERBATIM)
    list(APPEND copies "${copy}")
  endforeach()
  add_custom_target(${target}_reports ALL DEPENDS ${copies})
  add_dependencies(${target} ${target}_reports)
endfunction()
