# The information window and the command help tab.
pagoranto_gui_test(tinfofenster_test pagoranto_gui_infowindows
    ${CMAKE_CURRENT_LIST_DIR}/options/tinfofenster_test.cpp)
target_compile_definitions(tinfofenster_test PRIVATE PAGORANTO_VERSION="${PROJECT_VERSION}")
pagoranto_gui_test(commandhelppanel_test pagoranto_gui_infowindows
    ${CMAKE_CURRENT_LIST_DIR}/options/commandhelppanel_test.cpp)
