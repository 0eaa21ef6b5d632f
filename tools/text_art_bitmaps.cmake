# lexovia_text_art_bitmaps(<result variable> <folder> <art files...>)
# Turns each text-art file into FOLDER/<name>.bmp at build time; RESULT lists
# the bitmaps, for a resource script's DEPENDS. The tool is text_art_bitmap:
# this build's, or in the build for the real target the host build's.
function(lexovia_text_art_bitmaps result folder)
  set(bitmaps)
  foreach(art ${ARGN})
    get_filename_component(art_path ${art} ABSOLUTE)
    get_filename_component(name ${art} NAME_WE)
    set(bitmap ${folder}/${name}.bmp)
    add_custom_command(
      OUTPUT ${bitmap}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND text_art_bitmap ${art_path} ${bitmap}
      DEPENDS text_art_bitmap ${art_path}
      COMMENT "Drawing ${name}.bmp"
      VERBATIM)
    list(APPEND bitmaps ${bitmap})
  endforeach()
  set(${result} ${bitmaps} PARENT_SCOPE)
endfunction()
