# Runs each SQL file, in order, into a new database file with the sqlite3 shell.
find_program(SQLITE3 sqlite3 REQUIRED)
foreach(source IN LISTS SOURCES)
    execute_process(COMMAND ${SQLITE3} -bail ${DATABASE} ".read ${source}"
                    RESULT_VARIABLE result ERROR_VARIABLE error)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${source}: ${error}")
    endif()
endforeach()
