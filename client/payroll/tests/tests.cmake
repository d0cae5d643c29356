# Tests of the payroll file, editor and tab, on a copy of the delivered database.
set(PSD_PAYROLL_TEST_DEFS
    PSD_TEST_USERDB="${PSD_USERDB}"
    PSD_PAYROLL_FIXTURES="${CMAKE_CURRENT_LIST_DIR}/fixtures")

psd_add_test(payroll_file_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/GZFileTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/PayrollFileCommandsTest.cpp
    LIBS client_payroll_core client_test_folder
    DEFS ${PSD_PAYROLL_TEST_DEFS}
    DEPENDS client_userdb)

psd_add_test(payroll_forms_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/frmLaborageTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/LaborageTabTest.cpp
    LIBS client_payroll_forms client_test_folder
    MAIN client_qt_test_main
    DEFS ${PSD_PAYROLL_TEST_DEFS}
    DEPENDS client_userdb)
