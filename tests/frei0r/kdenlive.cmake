# The Kdenlive effect description, installed with the plug-in and checked against
# what melt reports of the installed plug-in, then used to render through it.
if(TALVENOR_MELT)
  add_test(NAME frei0r_kdenlive_description
           COMMAND ${TALVENOR_HOST_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/check_kdenlive_description.py
                   ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR} ${TALVENOR_MELT} ${TALVENOR_FREI0R_PLUGIN})
  # melt loads the plug-in into its own process, as in the other real-host tests.
  set_tests_properties(frei0r_kdenlive_description PROPERTIES LABELS real_host)
endif()
