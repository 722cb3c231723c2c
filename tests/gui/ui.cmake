pagoranto_gui_test(fieldlimits_tests pagoranto_gui_ui ${CMAKE_CURRENT_LIST_DIR}/ui/fieldlimits_test.cpp)
