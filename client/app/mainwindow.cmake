# The main window frame and the help window.

# What a list needs to live on a tab: the page interface and the shared status bar.
add_library(client_tabpage INTERFACE)
target_include_directories(client_tabpage INTERFACE ${CMAKE_CURRENT_SOURCE_DIR}/page)
target_link_libraries(client_tabpage INTERFACE Qt6::Widgets)

# help/ and ico/ of the program folder.
add_custom_target(client_help_files ALL
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_SOURCE_DIR}/help ${PSD_CLIENT_DIR}/help
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_SOURCE_DIR}/ico ${PSD_CLIENT_DIR}/ico
    COMMENT "Staging help/ and ico/ into ${PSD_CLIENT_DIR}")
