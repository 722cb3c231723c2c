# The "Source directory" tab.
pagoranto_gui_test(thumbnaillist_test pagoranto_gui_pictures
    ${CMAKE_CURRENT_LIST_DIR}/pictures/thumbnaillist_test.cpp)
pagoranto_gui_test(thumbnailpanel_test pagoranto_gui_pictures
    ${CMAKE_CURRENT_LIST_DIR}/pictures/thumbnailpanel_test.cpp)
pagoranto_gui_test(directorypanel_test pagoranto_gui_pictures
    ${CMAKE_CURRENT_LIST_DIR}/pictures/directorypanel_test.cpp)
