# The Debian package, talvenor_<version>_amd64.deb, built by the package target
# (cpack -G DEB): the frei0r plug-in in /usr/lib/frei0r-1, where MLT and
# GStreamer look, the Kdenlive and Shotcut descriptions, the OpenFX bundle in
# /usr/OFX/Plugins, where Resolve, Nuke and Natron look, and talvenor with the
# effect module it loads from beside itself, in /usr/lib/talvenor with a link in
# /usr/bin. The version is the effect's own, from host/identity.h.
if(WIN32 OR NOT TARGET talvenor OR NOT TARGET talvenor_frei0r)
  return()
endif()

file(STRINGS ${PROJECT_SOURCE_DIR}/host/identity.h version_lines
     REGEX "^#define TALVENOR_(MAJOR|MINOR|BUG)_VERSION [0-9]+")
foreach(part MAJOR MINOR BUG)
  string(REGEX MATCH "TALVENOR_${part}_VERSION ([0-9]+)" found "${version_lines}")
  if(NOT found)
    message(FATAL_ERROR "host/identity.h has no TALVENOR_${part}_VERSION")
  endif()
  set(version_${part} ${CMAKE_MATCH_1})
endforeach()
set(TALVENOR_PACKAGE_VERSION ${version_MAJOR}.${version_MINOR}.${version_BUG})

# talvenor finds the module beside its resolved path, so the link in bin works.
install(TARGETS talvenor RUNTIME DESTINATION lib/talvenor)
install(TARGETS Talvenor LIBRARY DESTINATION lib/talvenor
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
file(CREATE_LINK ../lib/talvenor/talvenor ${CMAKE_BINARY_DIR}/package/talvenor SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/package/talvenor DESTINATION bin)

set(CPACK_PACKAGE_CONTACT "The Talvenor developers <talvenor@brindle.example>")

# Debian's copyright and changelog files; the licence indented as the copyright
# format wants it, the changelog compressed as Debian expects, without a timestamp.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(STRIP "${licence}" licence)
string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " TALVENOR_LICENSE_TEXT " ${licence}")
set(package_doc ${CMAKE_BINARY_DIR}/package/doc)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/copyright.in ${package_doc}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${package_doc}/changelog @ONLY)
add_custom_command(OUTPUT ${package_doc}/changelog.gz
                   COMMAND gzip -9nkf ${package_doc}/changelog
                   DEPENDS ${package_doc}/changelog VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${package_doc}/changelog.gz)
install(FILES ${package_doc}/copyright ${package_doc}/changelog.gz DESTINATION share/doc/talvenor)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME talvenor)
set(CPACK_PACKAGE_VERSION ${TALVENOR_PACKAGE_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pixel-sorting video effect for FFmpeg, MLT, GStreamer and OpenFX hosts")
set(CPACK_PACKAGE_DESCRIPTION "Talvenor rearranges the pixels of every frame into sorted runs, never
changing one. This package holds its frei0r plug-in, which FFmpeg, melt,
Kdenlive, Shotcut and GStreamer load, the effect's descriptions for Kdenlive
and Shotcut, its OpenFX plug-in for DaVinci Resolve, Natron, Nuke and the
other OpenFX hosts, and talvenor, a command line that renders images through
it.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
