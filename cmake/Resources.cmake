# Resources: .rc files compiled by the resource compiler into the binary
# resource format (.res) and embedded into the library or program that
# carries them, where the platform's loader finds them (platform/README.md).
# In the build for the real target the target's own resource compiler reads
# them against the target's headers, and the linker puts them into the binary.

if(CMAKE_CROSSCOMPILING)
  find_program(LEXOVIA_WINDRES ${LEXOVIA_TARGET_TOOL_PREFIX}windres REQUIRED)
  set(LEXOVIA_RC_OPTIONS)
  set(LEXOVIA_RC_INCLUDE_FOLDERS ${PROJECT_SOURCE_DIR}/platform/device-sdk/desktop
                                 ${PROJECT_SOURCE_DIR}/platform/device-sdk/include)
else()
  find_program(LEXOVIA_WINDRES x86_64-w64-mingw32-windres REQUIRED)
  find_program(LEXOVIA_RC_PREPROCESSOR cpp REQUIRED)
  # With a preprocessor of its own choosing windres passes it nothing but
  # the include folders: RC_INVOKED is asked for here.
  set(LEXOVIA_RC_OPTIONS --preprocessor=${LEXOVIA_RC_PREPROCESSOR} --preprocessor-arg=-DRC_INVOKED)
  set(LEXOVIA_RC_INCLUDE_FOLDERS ${PROJECT_SOURCE_DIR}/platform/include
                                 ${PROJECT_SOURCE_DIR}/platform/device-sdk/include)
endif()
set(LEXOVIA_EMBED_RESOURCES ${CMAKE_CURRENT_LIST_DIR}/embed_resources.cmake)

# The bitmaps, icons and cursors a script names that lie beside it; files
# generated elsewhere are passed as DEPENDS.
function(_lexovia_files_named_by rc_path result)
  get_filename_component(rc_folder ${rc_path} DIRECTORY)
  file(STRINGS ${rc_path} lines REGEX "\"[^\"]+\\.([bB][mM][pP]|[iI][cC][oO]|[cC][uU][rR])\"")
  set(found)
  foreach(line IN LISTS lines)
    string(REGEX MATCH "\"([^\"]+)\"" quoted "${line}")
    set(candidate ${rc_folder}/${CMAKE_MATCH_1})
    if(EXISTS ${candidate})
      list(APPEND found ${candidate})
    endif()
  endforeach()
  # A script that names a new file is scanned again.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${rc_path})
  set(${result} ${found} PARENT_SCOPE)
endfunction()

# lexovia_compile_resources(<output> <file.rc> [DEPENDS files...] [INCLUDE_DIRECTORIES folders...])
# Scripts may include <windows.h> and the other platform headers. An output
# named *.res is the binary resource format, any other an object file.
function(lexovia_compile_resources output rc_file)
  cmake_parse_arguments(PARSE_ARGV 2 ARG "" "" "DEPENDS;INCLUDE_DIRECTORIES")
  get_filename_component(rc_path ${rc_file} ABSOLUTE)
  get_filename_component(output_path ${output} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_BINARY_DIR})
  _lexovia_files_named_by(${rc_path} named_files)
  set(include_flags)
  foreach(folder ${LEXOVIA_RC_INCLUDE_FOLDERS} ${ARG_INCLUDE_DIRECTORIES})
    list(APPEND include_flags -I ${folder})
  endforeach()
  set(format coff)
  if(output_path MATCHES "\\.res$")
    set(format res)
  endif()
  get_filename_component(output_folder ${output_path} DIRECTORY)
  add_custom_command(
    OUTPUT ${output_path}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${output_folder}
    COMMAND ${LEXOVIA_WINDRES} ${LEXOVIA_RC_OPTIONS}
            --preprocessor-arg=-MD --preprocessor-arg=-MF --preprocessor-arg=${output_path}.d
            --preprocessor-arg=-MT --preprocessor-arg=${output_path}
            -c 65001 ${include_flags} -O ${format} ${rc_path} ${output_path}
    DEPENDS ${rc_path} ${named_files} ${ARG_DEPENDS}
    DEPFILE ${output_path}.d
    COMMENT "Compiling resources ${rc_file}"
    VERBATIM)
endfunction()

# lexovia_add_resources(<target> <file.rc> [DEPENDS ...] [INCLUDE_DIRECTORIES ...])
# Compiles the script and embeds the result into TARGET as the exported
# symbols lexovia_resources / lexovia_resources_size; for the real target,
# links it into TARGET's resource section and names the compiled script in
# TARGET's property LEXOVIA_RESOURCE_OBJECT. One script a target.
function(lexovia_add_resources target rc_file)
  get_filename_component(name ${rc_file} NAME_WE)
  set(res ${CMAKE_CURRENT_BINARY_DIR}/${target}_${name}.res)
  if(CMAKE_CROSSCOMPILING)
    lexovia_compile_resources(${res}.o ${rc_file} ${ARGN})
    target_sources(${target} PRIVATE ${res}.o)
    set_target_properties(${target} PROPERTIES LEXOVIA_RESOURCE_OBJECT ${res}.o)
    return()
  endif()
  lexovia_compile_resources(${res} ${rc_file} ${ARGN})
  set(source ${res}.cpp)
  add_custom_command(
    OUTPUT ${source}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${res} -DOUTPUT=${source} -P ${LEXOVIA_EMBED_RESOURCES}
    DEPENDS ${res} ${LEXOVIA_EMBED_RESOURCES}
    COMMENT "Embedding resources ${rc_file}"
    VERBATIM)
  target_sources(${target} PRIVATE ${source})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_link_options(${target} PRIVATE LINKER:--export-dynamic-symbol=lexovia_resources
                        LINKER:--export-dynamic-symbol=lexovia_resources_size)
  endif()
endfunction()

# lexovia_language_files(<target> <folder>)
# Every FOLDER/<name>.rc compiled into <binary folder>/<folder's name>/<name>.res:
# language resource files, each to be placed on the device as <name>. The
# target's property LEXOVIA_LANGUAGE_FILE_FOLDER names that folder.
function(lexovia_language_files target folder)
  get_filename_component(folder_path ${folder} ABSOLUTE)
  get_filename_component(folder_name ${folder_path} NAME)
  set(output_folder ${CMAKE_CURRENT_BINARY_DIR}/${folder_name})
  file(GLOB scripts CONFIGURE_DEPENDS ${folder_path}/*.rc)
  set(outputs)
  foreach(script ${scripts})
    get_filename_component(name ${script} NAME)
    string(REGEX REPLACE "\\.rc$" ".res" compiled ${name})
    lexovia_compile_resources(${output_folder}/${compiled} ${script})
    list(APPEND outputs ${output_folder}/${compiled})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${outputs})
  set_target_properties(${target} PROPERTIES LEXOVIA_LANGUAGE_FILE_FOLDER ${output_folder})
endfunction()
