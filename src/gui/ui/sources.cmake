# Shared components of the windows.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_library(pagoranto_gui_ui STATIC)
target_link_libraries(pagoranto_gui_ui PUBLIC pagoranto_core Qt6::Widgets)
target_sources(pagoranto_gui_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/fieldlimits.cpp
)
