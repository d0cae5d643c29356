# Program folder, Qt prompter, login dialog and the PaySlipDesk executable.

# Password rule, scrambling and the login check: core, no widgets (the command line uses it).
add_library(client_password STATIC Password.cpp ScrambleRandom.cpp)
target_include_directories(client_password PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(client_password PUBLIC client_store Qt6::Core)

add_library(client_qtprompter STATIC QtPrompter.cpp)
target_include_directories(client_qtprompter PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(client_qtprompter PUBLIC client_prompter Qt6::Widgets)

add_library(client_login STATIC frmLogin.cpp)
target_include_directories(client_login PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(client_login PUBLIC client_password client_mainwindow client_app_title
                                          Qt6::Widgets)

add_executable(PaySlipDesk main.cpp)
target_link_libraries(PaySlipDesk PRIVATE client_login client_qtprompter client_mainwindow
                                          client_cli_core)
set_target_properties(PaySlipDesk PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PSD_CLIENT_DIR})
add_dependencies(PaySlipDesk client_userdb client_help_files)

psd_add_test(password_test
    SOURCES tests/PasswordTest.cpp tests/ScrambleRandomTest.cpp tests/DeliveredPasswordTest.cpp
    LIBS client_password SQLite::SQLite3
    ENV "PSD_USERDB=${PSD_USERDB}")
add_dependencies(password_test client_userdb)

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
