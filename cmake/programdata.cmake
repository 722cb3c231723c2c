# The files beside the program (layouts, samples, documents ...) are copied into the program
# directory, so that a build runs like an installed program. Each file is copied again when it
# changes; files added to data/ are found again at build time.
file(GLOB_RECURSE PAGORANTO_DATA_FILES CONFIGURE_DEPENDS
     RELATIVE ${PROJECT_SOURCE_DIR}/data ${PROJECT_SOURCE_DIR}/data/*)

set(PAGORANTO_COPIED_DATA_FILES)
foreach(file IN LISTS PAGORANTO_DATA_FILES)
  set(source ${PROJECT_SOURCE_DIR}/data/${file})
  set(target ${PAGORANTO_PROGRAM_DIR}/${file})
  # The touch keeps an unchanged copy newer than its source, so it is not redone on every build.
  add_custom_command(OUTPUT ${target}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${target}
    COMMAND ${CMAKE_COMMAND} -E touch_nocreate ${target}
    DEPENDS ${source}
    COMMENT "Copying data/${file}"
    VERBATIM)
  list(APPEND PAGORANTO_COPIED_DATA_FILES ${target})
endforeach()

# Every program target depends on this, so its directory is complete when it runs.
add_custom_target(pagoranto_data ALL DEPENDS ${PAGORANTO_COPIED_DATA_FILES})
