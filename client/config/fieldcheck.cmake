# The title of the client's message boxes; CheckField and the small tests it is built from (no
# widgets); the Qt text box and combo box adapters on top.
add_library(client_app_title INTERFACE)
target_link_libraries(client_app_title INTERFACE Qt6::Core)

add_library(client_fieldcheck STATIC FieldCheck.cpp)
target_link_libraries(client_fieldcheck PUBLIC client_config client_app_title client_prompter
                                               Qt6::Core)

add_library(client_fieldcheck_widgets STATIC QtFieldControl.cpp)
target_link_libraries(client_fieldcheck_widgets PUBLIC client_fieldcheck Qt6::Widgets)

psd_add_test(field_tests_test
    SOURCES tests/FieldTestsTest.cpp
    LIBS client_fieldcheck)
psd_add_test(check_field_test
    SOURCES tests/CheckFieldTest.cpp
    LIBS client_fieldcheck_widgets client_prompter
    MAIN client_qt_test_main)
