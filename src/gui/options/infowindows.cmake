# The information window and the command help tab.
add_library(pagoranto_gui_infowindows STATIC)
target_link_libraries(pagoranto_gui_infowindows PUBLIC pagoranto_gui_platform)
target_compile_definitions(pagoranto_gui_infowindows PRIVATE
    PAGORANTO_VERSION="${PROJECT_VERSION}")
target_sources(pagoranto_gui_infowindows PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/commandhelppanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tinfofenster.cpp
)
