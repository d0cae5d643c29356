# Tests of the reference lists, their files and tabs, on a copy of the delivered database.
set(PSD_REFDATA_TEST_DEFS
    PSD_TEST_USERDB="${PSD_USERDB}"
    PSD_REFDATA_FIXTURES="${CMAKE_CURRENT_LIST_DIR}/fixtures")

psd_add_test(refdata_file_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/PayerAccountsFileTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/RemarksFileTest.cpp
    LIBS client_refdata_core client_test_folder)

psd_add_test(refdata_forms_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/PayAccTabTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/UserRemarkTabTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/RosterTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/PayeeAccTabTest.cpp
    LIBS client_refdata_forms client_test_folder
    MAIN client_qt_test_main)

foreach(test refdata_file_test refdata_forms_test)
    target_compile_definitions(${test} PRIVATE ${PSD_REFDATA_TEST_DEFS})
    add_dependencies(${test} client_userdb)
endforeach()
