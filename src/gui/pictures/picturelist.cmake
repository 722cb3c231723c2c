# The picture-list window of the Create run and its add window.
add_library(pagoranto_gui_picturelist STATIC)
target_link_libraries(pagoranto_gui_picturelist PUBLIC pagoranto_gui_platform)
target_sources(pagoranto_gui_picturelist PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/filelistpreview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/filelistpreview.h
    ${CMAKE_CURRENT_LIST_DIR}/picturelistcontext.h
    ${CMAKE_CURRENT_LIST_DIR}/tfilelistedit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tfilelistedit.h
    ${CMAKE_CURRENT_LIST_DIR}/tfilelistwindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tfilelistwindow.h
)
