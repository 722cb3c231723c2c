add_library(pagoranto_gui STATIC)
target_link_libraries(pagoranto_gui PUBLIC pagoranto_gui_platform pagoranto_gui_ui pagoranto_gui_pictures
    pagoranto_gui_picturelist pagoranto_gui_generator pagoranto_gui_infowindows
    Qt6::WebEngineWidgets)
target_sources(pagoranto_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/browserpanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/directorylevelspanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/linktextspanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainwindowrunview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/protocolpanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/resizersettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/specialoptionspanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tform1.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wizardpanel.cpp
    ${PROJECT_SOURCE_DIR}/src/gui/templates/templateinfopanel.cpp
)
