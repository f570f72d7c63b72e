# kest_folder_sources(OUT FOLDER...): the .cpp files of the given folders of the current source
# directory. A `_win32` suffix marks a file that calls the Win32 platform, `_posix` its portable
# counterpart: the Windows build leaves out `_posix` files, a native build the `_win32` ones, so the
# native build compiles exactly what is portable.
function(kest_folder_sources out)
  set(sources)
  foreach(folder IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  if(CMAKE_CROSSCOMPILING)
    list(FILTER sources EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER sources EXCLUDE REGEX "_win32\\.cpp$")
  endif()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()
