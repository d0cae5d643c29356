# The dialogs of the 系统 menu: settings, password change, about box.
add_library(client_dialogs STATIC EnterMovesOn.cpp frmSysConf.cpp frmPasswd.cpp frmAbout.cpp
    SysInfo.cpp)
target_link_libraries(client_dialogs PUBLIC client_config client_password client_filecommon
                                            client_app_title client_prompter Qt6::Widgets)
target_compile_definitions(client_dialogs PRIVATE PSD_VERSION="${PROJECT_VERSION}")

psd_add_test(dialogs_test
    SOURCES tests/frmSysConfTest.cpp tests/frmPasswdTest.cpp tests/frmAboutTest.cpp
    LIBS client_dialogs client_fieldcheck_widgets client_test_folder
    MAIN client_qt_test_main)
target_compile_definitions(dialogs_test PRIVATE PSD_TEST_USERDB="${PSD_USERDB}")
add_dependencies(dialogs_test client_userdb)
