# The picture-list window and its add window.
pagoranto_gui_test(tfilelistwindow_test pagoranto_gui_picturelist
    ${CMAKE_CURRENT_LIST_DIR}/picturelist/picturelistpictures.h
    ${CMAKE_CURRENT_LIST_DIR}/picturelist/tfilelistwindow_test.cpp)
pagoranto_gui_test(tfilelistedit_test pagoranto_gui_picturelist
    ${CMAKE_CURRENT_LIST_DIR}/picturelist/picturelistpictures.h
    ${CMAKE_CURRENT_LIST_DIR}/picturelist/tfilelistedit_test.cpp)
