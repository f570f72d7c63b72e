# kest_shipped_program(TARGET): TARGET is a program users download. It lands in dist/ stripped of
# its symbols and debug information, which stay beside the build in symbols/TARGET_FILE.debug for
# reading crash reports (gdb: symbol-file).
function(kest_shipped_program target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KEST_DIST})
  set(symbols ${CMAKE_BINARY_DIR}/symbols/$<TARGET_FILE_NAME:${target}>.debug)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/symbols
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> ${symbols}
    COMMAND ${CMAKE_STRIP} --strip-all $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()
