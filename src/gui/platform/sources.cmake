target_sources(pagoranto_gui_platform PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/filedialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/messagebox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qtevents.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reentry.cpp
)
