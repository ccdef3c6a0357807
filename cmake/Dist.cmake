# dist: what a Windows user downloads, Talvenor-<version>-win64.zip, holding the
# plug-in, the README's install section as INSTALL.txt and the licence. Part of
# every Windows build, so the zip is always there to test and ship.
if(NOT WIN32)
  return()
endif()

set(TALVENOR_DIST_NAME Talvenor-${PROJECT_VERSION}-win64)
set(TALVENOR_DIST_ZIP ${CMAKE_BINARY_DIR}/${TALVENOR_DIST_NAME}.zip)
set(dist_script ${CMAKE_CURRENT_LIST_DIR}/MakeDistZip.cmake)

add_custom_command(
  OUTPUT ${TALVENOR_DIST_ZIP}
  COMMAND ${CMAKE_COMMAND}
          -DMODULE=$<TARGET_FILE:Talvenor>
          -DREADME=${PROJECT_SOURCE_DIR}/README.md
          -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE
          -DVERSION=${PROJECT_VERSION}
          -DSTAGE=${CMAKE_BINARY_DIR}/dist
          -DNAME=${TALVENOR_DIST_NAME}
          -DZIP=${TALVENOR_DIST_ZIP}
          -P ${dist_script}
  DEPENDS Talvenor $<TARGET_FILE:Talvenor> ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
          ${dist_script}
  COMMENT "Packing ${TALVENOR_DIST_NAME}.zip"
  VERBATIM)
add_custom_target(dist ALL DEPENDS ${TALVENOR_DIST_ZIP})
