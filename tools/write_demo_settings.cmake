# Points the editor at the demo game: writes SETTINGS holding GAME_DIR, with
# no line break, unless the player already has a settings file there.
if(NOT EXISTS "${SETTINGS}")
  get_filename_component(settings_dir "${SETTINGS}" DIRECTORY)
  file(MAKE_DIRECTORY "${settings_dir}")
  file(WRITE "${SETTINGS}" "${GAME_DIR}")
endif()
