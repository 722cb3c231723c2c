pagoranto_gui_test(tform1_tests pagoranto_gui ${CMAKE_CURRENT_LIST_DIR}/options/tform1_test.cpp)
target_compile_definitions(tform1_tests PRIVATE PAGORANTO_PROGRAM_DIR="${PAGORANTO_PROGRAM_DIR}")
pagoranto_gui_test(linktextspanel_tests pagoranto_gui ${CMAKE_CURRENT_LIST_DIR}/options/linktextspanel_test.cpp)
pagoranto_gui_test(specialoptionspanel_tests pagoranto_gui ${CMAKE_CURRENT_LIST_DIR}/options/specialoptionspanel_test.cpp)
