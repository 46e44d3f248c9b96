# SPDX-License-Identifier: GPL-3.0-or-later
# kh_data: the four archives of the data directory, packed from the staging folders.
# Included by the top CMakeLists after every producer (pictures, content, sounds) is defined,
# so that the dependencies can be named. The packing step runs on every build but calls the
# archive tool only for an archive whose staged files changed (see PackArchives.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/Previews.cmake)

set(kh_data_producers)
foreach(producer kh_pictures kh_game_previews kh_content kh_sounds)
  if(TARGET ${producer})
    list(APPEND kh_data_producers ${producer})
  endif()
endforeach()

if(TARGET gobtool)
  add_custom_target(kh_data ALL
    COMMAND ${CMAKE_COMMAND}
      -DGOBTOOL=$<TARGET_FILE:gobtool>
      -DSTAGE_DIR=${CMAKE_BINARY_DIR}/stage
      -DDATA_DIR=${CMAKE_BINARY_DIR}/data
      -P ${CMAKE_CURRENT_LIST_DIR}/PackArchives.cmake
    COMMENT "Packing the archives of build/data"
    VERBATIM)
  add_dependencies(kh_data gobtool)
else()
  add_custom_target(kh_data ALL)
endif()
if(kh_data_producers)
  add_dependencies(kh_data ${kh_data_producers})
endif()
