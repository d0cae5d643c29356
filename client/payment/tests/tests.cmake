# Tests of the batch payment files, dialogs and tab, on a copy of the delivered database.
set(PSD_PAYMENT_TEST_DEFS
    PSD_TEST_USERDB="${PSD_USERDB}"
    PSD_PAYMENT_FIXTURES="${CMAKE_CURRENT_LIST_DIR}/fixtures"
    PSD_CLIENT_DIR="${PSD_CLIENT_DIR}"
    PSD_DELIVERED_SYSCONF="${PSD_DELIVERED_SYSCONF}")

psd_add_test(payment_file_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/BPFileTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/PaymentFileCommandsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/PaymentEditingTest.cpp
    LIBS client_payment_core client_test_folder
    DEFS ${PSD_PAYMENT_TEST_DEFS}
    DEPENDS client_userdb)

psd_add_test(payment_forms_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/frmPaymentB2BTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/frmPayAccTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/PaymentTabTest.cpp
    LIBS client_payment_forms client_test_folder
    MAIN client_qt_test_main
    DEFS ${PSD_PAYMENT_TEST_DEFS}
    DEPENDS client_userdb client_sysconf_file)
