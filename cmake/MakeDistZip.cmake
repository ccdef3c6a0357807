# Script mode (cmake -P), run by the dist target. Stages MODULE, INSTALL.txt,
# LICENSE.txt and the OpenFX bundle folder OFX_BUNDLE in STAGE/NAME, and when
# given, in its folder frei0r the plug-in FREI0R with the Kdenlive and Shotcut
# descriptions from FREI0R_SOURCE, and zips that folder into ZIP. INSTALL.txt is
# the parts of README between the install-notes, editors-install-notes and
# ofx-install-notes markers with the Markdown emphasis and code marks taken
# out, so the README stays its one source. Text files get Windows line ends.
foreach(variable MODULE OFX_BUNDLE README LICENSE VERSION STAGE NAME ZIP)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "MakeDistZip.cmake needs -D${variable}=...")
  endif()
endforeach()

file(READ ${README} readme)
function(readme_section marker var)
  string(REGEX MATCH "<!-- ${marker}:begin -->\n([^<]*(<[^!][^<]*)*)<!-- ${marker}:end -->" found "${readme}")
  if(NOT found)
    message(FATAL_ERROR "${README} has no <!-- ${marker}:begin --> ... <!-- ${marker}:end --> section")
  endif()
  set(${var} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()
readme_section(install-notes effect_notes)
set(notes "Talvenor ${VERSION} for Adobe After Effects on 64-bit Windows\n\n${effect_notes}")
if(DEFINED FREI0R)
  readme_section(editors-install-notes editor_notes)
  string(APPEND notes "\nTalvenor ${VERSION} for Kdenlive and Shotcut on Windows\n\n${editor_notes}")
endif()
readme_section(ofx-install-notes ofx_notes)
string(APPEND notes "\nTalvenor ${VERSION} for OpenFX hosts on Windows\n\n${ofx_notes}")
string(REPLACE "**" "" notes "${notes}")
string(REPLACE "`" "" notes "${notes}")
file(READ ${LICENSE} licence)

function(write_windows_text path text)
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${path} "${text}")
endfunction()

set(folder ${STAGE}/${NAME})
file(REMOVE_RECURSE ${folder})
file(MAKE_DIRECTORY ${folder})
file(COPY ${MODULE} ${OFX_BUNDLE} DESTINATION ${folder})
if(DEFINED FREI0R)
  file(COPY ${FREI0R} DESTINATION ${folder}/frei0r)
  file(COPY ${FREI0R_SOURCE}/kdenlive/frei0r_talvenor.xml DESTINATION ${folder}/frei0r/kdenlive)
  file(COPY ${FREI0R_SOURCE}/shotcut/meta.qml ${FREI0R_SOURCE}/shotcut/ui.qml
       DESTINATION ${folder}/frei0r/shotcut/talvenor)
endif()
write_windows_text(${folder}/INSTALL.txt "${notes}")
write_windows_text(${folder}/LICENSE.txt "${licence}")
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${NAME}
                WORKING_DIRECTORY ${STAGE}
                COMMAND_ERROR_IS_FATAL ANY)
