# dist: what a Windows user downloads, Talvenor-<version>-win64.zip, holding the
# plug-in, the frei0r plug-in with its Kdenlive and Shotcut descriptions, the
# OpenFX bundle, the README's install sections as INSTALL.txt and the licence. Part of every Windows
# build, so the zip is always there to test and ship.
if(NOT WIN32)
  return()
endif()

set(TALVENOR_DIST_NAME Talvenor-${PROJECT_VERSION}-win64)
set(TALVENOR_DIST_ZIP ${CMAKE_BINARY_DIR}/${TALVENOR_DIST_NAME}.zip)
set(dist_script ${CMAKE_CURRENT_LIST_DIR}/MakeDistZip.cmake)
# The frei0r plug-in and its editors' descriptions, in builds that make it.
set(frei0r_options)
set(frei0r_depends)
if(TARGET talvenor_frei0r)
  set(frei0r_options -DFREI0R=$<TARGET_FILE:talvenor_frei0r> -DFREI0R_SOURCE=${PROJECT_SOURCE_DIR}/frei0r)
  set(frei0r_depends talvenor_frei0r $<TARGET_FILE:talvenor_frei0r> ${PROJECT_SOURCE_DIR}/frei0r/kdenlive/frei0r_talvenor.xml
      ${PROJECT_SOURCE_DIR}/frei0r/shotcut/meta.qml ${PROJECT_SOURCE_DIR}/frei0r/shotcut/ui.qml)
endif()

# The OpenFX bundle as the build lays it out: the Win64 binary and the icon.
set(ofx_depends talvenor_ofx $<TARGET_FILE:talvenor_ofx> ${PROJECT_SOURCE_DIR}/ofx/resources/net.talvenor.Talvenor.png)

add_custom_command(
  OUTPUT ${TALVENOR_DIST_ZIP}
  COMMAND ${CMAKE_COMMAND}
          -DMODULE=$<TARGET_FILE:Talvenor>
          ${frei0r_options}
          -DOFX_BUNDLE=${CMAKE_BINARY_DIR}/Talvenor.ofx.bundle
          -DREADME=${PROJECT_SOURCE_DIR}/README.md
          -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE
          -DVERSION=${PROJECT_VERSION}
          -DSTAGE=${CMAKE_BINARY_DIR}/dist
          -DNAME=${TALVENOR_DIST_NAME}
          -DZIP=${TALVENOR_DIST_ZIP}
          -P ${dist_script}
  DEPENDS Talvenor $<TARGET_FILE:Talvenor> ${frei0r_depends} ${ofx_depends} ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
          ${dist_script}
  COMMENT "Packing ${TALVENOR_DIST_NAME}.zip"
  VERBATIM)
add_custom_target(dist ALL DEPENDS ${TALVENOR_DIST_ZIP})
