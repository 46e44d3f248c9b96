# SPDX-License-Identifier: GPL-3.0-or-later
# The game previews (from the staged game files of kh_content) and the contact sheet.
# Included from Packing.cmake, after every producer is defined.
set(KH_STAGE_DIR ${CMAKE_BINARY_DIR}/stage)
set(KH_CONTACT_SHEET ${CMAKE_BINARY_DIR}/contact-sheet.png)
set(contact_depends kh_picgen ${KH_PICGEN_STAMPS})
if(TARGET kh_content AND EXISTS ${CMAKE_SOURCE_DIR}/content/catalogs/Games.kat)
  file(GLOB_RECURSE preview_game_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/content/games/*.game)
  set(preview_stamp ${CMAKE_BINARY_DIR}/tools/picgen/previews.stamp)
  add_custom_command(OUTPUT ${preview_stamp}
    COMMAND kh_previews --stage ${KH_STAGE_DIR} --catalog ${CMAKE_BINARY_DIR}/data/Games.kat
    COMMAND ${CMAKE_COMMAND} -E touch ${preview_stamp}
    DEPENDS kh_previews ${KH_PICGEN_STAMPS} ${preview_game_sources}
      ${CMAKE_SOURCE_DIR}/content/catalogs/Games.kat
    COMMENT "Dealing every game for its preview"
    VERBATIM)
  # Whole screens put together from the sheets, for review (docs/screenshots holds a copy).
  set(screens_stamp ${CMAKE_BINARY_DIR}/screens/screens.stamp)
  add_custom_command(OUTPUT ${screens_stamp}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/screens
    COMMAND kh_previews --stage ${KH_STAGE_DIR} --texts ${CMAKE_SOURCE_DIR}/content/texts/deutsch.txt
      --screens ${CMAKE_BINARY_DIR}/screens
    COMMAND ${CMAKE_COMMAND} -E touch ${screens_stamp}
    DEPENDS ${preview_stamp} ${CMAKE_SOURCE_DIR}/content/texts/deutsch.txt
    COMMENT "Putting the review screens together"
    VERBATIM)
  add_custom_target(kh_game_previews ALL DEPENDS ${preview_stamp} ${screens_stamp})
  add_dependencies(kh_game_previews kh_content kh_pictures)
  list(APPEND contact_depends ${preview_stamp})
endif()
add_custom_command(OUTPUT ${KH_CONTACT_SHEET}
  COMMAND kh_picgen --stage ${KH_STAGE_DIR} --group contact --out ${KH_CONTACT_SHEET}
  DEPENDS ${contact_depends}
  COMMENT "Drawing the contact sheet"
  VERBATIM)
add_custom_target(kh_contact_sheet ALL DEPENDS ${KH_CONTACT_SHEET})
if(TARGET kh_game_previews)
  add_dependencies(kh_contact_sheet kh_game_previews)
endif()
