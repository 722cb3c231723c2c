# The "Source directory" tab: directory panel, thumbnail list and preview.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_library(pagoranto_gui_pictures STATIC)
target_link_libraries(pagoranto_gui_pictures PUBLIC pagoranto_gui_platform Qt6::Widgets)
target_sources(pagoranto_gui_pictures PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/directorypanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/thumbnaillist.cpp
    ${CMAKE_CURRENT_LIST_DIR}/thumbnailpanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tiledecodejob.cpp
)
