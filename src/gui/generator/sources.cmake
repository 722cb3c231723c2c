# The run's windows: the busy window while the thumbnailer works and the end status.
add_library(pagoranto_gui_generator STATIC)
target_link_libraries(pagoranto_gui_generator PUBLIC pagoranto_gui_platform)
target_sources(pagoranto_gui_generator PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/tcreationwindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tendstatus.cpp
)
