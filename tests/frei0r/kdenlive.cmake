# The Kdenlive effect description, installed with the plug-in and checked against
# what melt reports of the installed plug-in, then used to render through it.
if(TALVENOR_MELT)
  talvenor_add_host_test(frei0r_kdenlive_description check_kdenlive_description.py
                         ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR} ${TALVENOR_MELT} ${TALVENOR_FREI0R_PLUGIN})
endif()
