# Tests of the sheet readers, the import and the written sheet and summary, on sheets the tests
# make and a copy of the delivered database.
add_library(client_sheet_maker STATIC ${CMAKE_CURRENT_LIST_DIR}/SheetMaker.cpp)
target_link_libraries(client_sheet_maker PUBLIC PkgConfig::XLSXWRITER PkgConfig::LIBZIP Qt6::Core
                                                GTest::gtest)

psd_add_test(sheet_read_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/SheetReadTest.cpp
    LIBS client_sheets_core client_sheet_maker)

psd_add_test(sheet_import_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/SheetImportTest.cpp
    LIBS client_sheets_core client_sheet_maker client_test_folder)
target_compile_definitions(sheet_import_test PRIVATE PSD_TEST_USERDB="${PSD_USERDB}")
add_dependencies(sheet_import_test client_userdb)

# Fonts and painting need a GUI application: the offscreen one.
psd_add_test(sheet_write_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/SheetWriteTest.cpp
    LIBS client_sheets_core client_test_folder
    MAIN client_qt_test_main)
target_compile_definitions(sheet_write_test PRIVATE PSD_TEST_USERDB="${PSD_USERDB}")
add_dependencies(sheet_write_test client_userdb)

psd_add_test(sheet_forms_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/frmSheetImportTest.cpp
    LIBS client_sheets_forms client_sheet_maker client_test_folder
    MAIN client_qt_test_main)
target_compile_definitions(sheet_forms_test PRIVATE PSD_TEST_USERDB="${PSD_USERDB}")
add_dependencies(sheet_forms_test client_userdb)
