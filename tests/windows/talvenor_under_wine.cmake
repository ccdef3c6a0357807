# talvenor.exe with Talvenor.aex beside it, run under Wine and compared with the
# Linux talvenor (build/native, made first by the README's test command): about,
# params, and renders of one generated picture in every Mode. Adds its tests to
# wine_tests, in the wine_prefix fixture; needs talvenor_python.

set(TALVENOR_NATIVE_TALVENOR ${CMAKE_SOURCE_DIR}/build/native/talvenor CACHE FILEPATH
    "The Linux talvenor that the Windows renders are compared with")
# Every Mode gives Windows' bytes on Linux: the sorts are stable in the module's
# own code, and Random draws the same sequence on both, each render here being a
# fresh process's first.
set(byte_identical_modes "Simple Sort" Random Highlights Shadows "All pixels")

if(NOT TARGET talvenor)
  talvenor_report_missing_tool("talvenor is not built (TALVENOR_BUILD_CLI is OFF)")
  return()
endif()
if(NOT EXISTS ${TALVENOR_NATIVE_TALVENOR})
  talvenor_report_missing_tool(
    "${TALVENOR_NATIVE_TALVENOR} not found (run cmake --workflow --preset native first, or set TALVENOR_NATIVE_TALVENOR)")
  return()
endif()

set(checker ${talvenor_python} ${CMAKE_CURRENT_SOURCE_DIR}/wine_cli_check.py
    --native ${TALVENOR_NATIVE_TALVENOR} --windows-exe $<TARGET_FILE:talvenor> --wine ${TALVENOR_WINE})
set(render_folder ${CMAKE_CURRENT_BINARY_DIR}/talvenor_renders)
set(picture ${render_folder}/picture.png)

add_test(NAME windows_render_picture
         COMMAND ${talvenor_python} ${CMAKE_CURRENT_SOURCE_DIR}/test_picture.py ${picture})
set_tests_properties(windows_render_picture PROPERTIES FIXTURES_SETUP render_picture)
file(MAKE_DIRECTORY ${render_folder})

foreach(command about params)
  add_test(NAME windows_talvenor_${command} COMMAND ${checker} text ${command})
  set_tests_properties(windows_talvenor_${command} PROPERTIES FIXTURES_REQUIRED wine_prefix)
  list(APPEND wine_tests windows_talvenor_${command})
endforeach()

foreach(mode "Simple Sort" Random Highlights Shadows "All pixels")
  string(TOLOWER "${mode}" test_name)
  string(REPLACE " " "_" test_name "windows_talvenor_render_${test_name}")
  set(identical_option)
  if(mode IN_LIST byte_identical_modes)
    set(identical_option --byte-identical)
  endif()
  add_test(NAME ${test_name}
           COMMAND ${checker} renders ${mode} --picture ${picture} --work ${render_folder} ${identical_option})
  set_tests_properties(${test_name} PROPERTIES FIXTURES_REQUIRED "wine_prefix;render_picture")
  list(APPEND wine_tests ${test_name})
endforeach()

# Random: the first renders of a fresh process, through both faces, the same on
# Windows as on Linux.
set(native_build ${CMAKE_SOURCE_DIR}/build/native)
if(TARGET random_renders)
  add_test(NAME windows_random_sequence
           COMMAND ${talvenor_python} ${PROJECT_SOURCE_DIR}/tests/random/random_sequence.py
                   --native ${native_build}/random_renders ${native_build}/Talvenor.so
                            ${native_build}/frei0r-1/talvenor.so
                   --windows $<TARGET_FILE:random_renders> $<TARGET_FILE:Talvenor> $<TARGET_FILE:talvenor_frei0r>
                   --wine ${TALVENOR_WINE})
  set_tests_properties(windows_random_sequence PROPERTIES FIXTURES_REQUIRED wine_prefix)
  list(APPEND wine_tests windows_random_sequence)
endif()
