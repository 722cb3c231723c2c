pagoranto_gui_test(tform1_tests pagoranto_gui ${CMAKE_CURRENT_LIST_DIR}/options/tform1_test.cpp)
target_compile_definitions(tform1_tests PRIVATE PAGORANTO_PROGRAM_DIR="${PAGORANTO_PROGRAM_DIR}")
