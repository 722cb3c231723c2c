# The run's windows.
pagoranto_gui_test(tcreationwindow_test pagoranto_gui_generator
    ${CMAKE_CURRENT_LIST_DIR}/generator/tcreationwindow_test.cpp)
pagoranto_gui_test(tendstatus_test pagoranto_gui_generator
    ${CMAKE_CURRENT_LIST_DIR}/generator/tendstatus_test.cpp)
