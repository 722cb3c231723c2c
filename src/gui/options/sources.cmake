add_library(pagoranto_gui STATIC)
target_link_libraries(pagoranto_gui PUBLIC pagoranto_gui_platform Qt6::WebEngineWidgets)
foreach(area pictures picturelist generator infowindows)
    if(TARGET pagoranto_gui_${area})
        target_link_libraries(pagoranto_gui PUBLIC pagoranto_gui_${area})
    endif()
endforeach()
target_sources(pagoranto_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/placeholder.cpp
)
