# SPDX-License-Identifier: GPL-3.0-or-later
# Collects the .cpp files below the given folders (re-globbed when files appear).
function(kh_glob_sources out)
  set(result)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND result ${found})
  endforeach()
  list(SORT result)
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# Adds every direct sub-folder of DIR that has a CMakeLists.txt.
function(kh_add_subdirectories dir)
  file(GLOB children CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*/CMakeLists.txt)
  list(SORT children)
  foreach(child IN LISTS children)
    get_filename_component(path ${child} DIRECTORY)
    add_subdirectory(${path})
  endforeach()
endfunction()

# A library needs at least one source while its folders are still empty.
function(kh_nonempty var)
  if(NOT ${var})
    set(empty ${CMAKE_BINARY_DIR}/kh_empty_${var}.cpp)
    file(WRITE ${empty} "// placeholder while the library has no sources\n")
    set(${var} ${empty} PARENT_SCOPE)
  endif()
endfunction()
