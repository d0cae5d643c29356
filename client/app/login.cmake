# Program folder, Qt prompter and Qt's Chinese texts, login dialog and the PaySlipDesk executable.

add_library(client_qtprompter STATIC QtPrompter.cpp QtChinese.cpp)
target_link_libraries(client_qtprompter PUBLIC client_prompter Qt6::Widgets)

add_library(client_login STATIC frmLogin.cpp)
target_link_libraries(client_login PUBLIC client_password client_mainwindow client_app_title
                                          Qt6::Widgets)

add_executable(PaySlipDesk main.cpp)
target_link_libraries(PaySlipDesk PRIVATE client_login client_qtprompter client_mainwindow)
set_target_properties(PaySlipDesk PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PSD_CLIENT_DIR})
add_dependencies(PaySlipDesk client_userdb client_help_files client_sysconf_file)

psd_add_test(login_test
    SOURCES tests/frmLoginTest.cpp tests/QtPrompterTest.cpp
    LIBS client_login client_qtprompter
    MAIN client_qt_test_main)
target_compile_definitions(login_test PRIVATE PSD_TEST_USERDB="${PSD_USERDB}")
add_dependencies(login_test client_userdb)

psd_add_test(startup_test
    SOURCES tests/StartupTest.cpp
    LIBS Qt6::Core)
target_compile_definitions(startup_test PRIVATE PSD_CLIENT_DIR="${PSD_CLIENT_DIR}")
add_dependencies(startup_test PaySlipDesk payslipdesk-cli)
