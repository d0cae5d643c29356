# The main window frame, the help window and the Enter key on buttons.

# help/ and ico/ of the program folder.
add_custom_target(client_help_files ALL
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_SOURCE_DIR}/help ${PSD_CLIENT_DIR}/help
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_SOURCE_DIR}/ico ${PSD_CLIENT_DIR}/ico
    COMMENT "Staging help/ and ico/ into ${PSD_CLIENT_DIR}")

add_library(client_mainwindow STATIC frmMain.cpp HelpWindow.cpp ButtonEnterKey.cpp)
target_link_libraries(client_mainwindow PUBLIC client_tabpage client_config client_app_title
                                               client_store client_prompter client_payment_forms
                                               client_dialogs client_payroll_forms client_refdata_forms
                                               client_sheets_forms
                                               Qt6::Widgets)

psd_add_test(mainwindow_test
    SOURCES tests/MainWindowFrameTest.cpp tests/MainWindowTabSwitchTest.cpp
            tests/MainWindowNewBatchTest.cpp tests/HelpWindowTest.cpp
            tests/MainWindowDialogsTest.cpp tests/ButtonEnterKeyTest.cpp
    LIBS client_mainwindow client_test_folder
    MAIN client_qt_test_main)
target_compile_definitions(mainwindow_test PRIVATE
    PSD_TEST_USERDB="${PSD_USERDB}" PSD_CLIENT_DIR="${PSD_CLIENT_DIR}")
add_dependencies(mainwindow_test client_help_files client_userdb)

# The payment tab in the main window.
psd_add_test(payment_mainwindow_test
    SOURCES tests/PaymentMainWindowTest.cpp
    LIBS client_mainwindow client_test_folder
    MAIN client_qt_test_main)
target_compile_definitions(payment_mainwindow_test PRIVATE
    PSD_TEST_USERDB="${PSD_USERDB}" PSD_CLIENT_DIR="${PSD_CLIENT_DIR}")
add_dependencies(payment_mainwindow_test client_userdb)

# The payroll tab in the main window.
psd_add_test(payroll_mainwindow_test
    SOURCES tests/PayrollMainWindowTest.cpp
    LIBS client_mainwindow client_test_folder
    MAIN client_qt_test_main)
target_compile_definitions(payroll_mainwindow_test PRIVATE
    PSD_TEST_USERDB="${PSD_USERDB}" PSD_CLIENT_DIR="${PSD_CLIENT_DIR}")
add_dependencies(payroll_mainwindow_test client_userdb)
