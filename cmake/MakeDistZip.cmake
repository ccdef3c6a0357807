# Script mode (cmake -P), run by the dist target. Stages MODULE, INSTALL.txt and
# LICENSE.txt in STAGE/NAME and zips that folder into ZIP. INSTALL.txt is the
# part of README between the install-notes markers with the Markdown emphasis
# and code marks taken out, so the README stays its one source. Both text files
# get Windows line ends.
foreach(variable MODULE README LICENSE VERSION STAGE NAME ZIP)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "MakeDistZip.cmake needs -D${variable}=...")
  endif()
endforeach()

file(READ ${README} readme)
string(REGEX MATCH "<!-- install-notes:begin -->\n(.*)<!-- install-notes:end -->" found "${readme}")
if(NOT found)
  message(FATAL_ERROR "${README} has no <!-- install-notes:begin --> ... <!-- install-notes:end --> section")
endif()
set(notes "Talvenor ${VERSION} for Adobe After Effects on 64-bit Windows\n\n${CMAKE_MATCH_1}")
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
file(COPY ${MODULE} DESTINATION ${folder})
write_windows_text(${folder}/INSTALL.txt "${notes}")
write_windows_text(${folder}/LICENSE.txt "${licence}")
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${NAME}
                WORKING_DIRECTORY ${STAGE}
                COMMAND_ERROR_IS_FATAL ANY)
