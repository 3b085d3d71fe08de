# cmake -DGENERATOR=... -DBODY=... -DCOMMITTED=... -DOUTPUT=... -P compare_table.cmake
# Runs the sign change generator and fails when its output differs from the committed table.
execute_process(COMMAND ${GENERATOR} ${BODY} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lumo_signchanges ${BODY} failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${COMMITTED}
                RESULT_VARIABLE differs)
if(differs)
    message(FATAL_ERROR "${COMMITTED} is not what lumo_signchanges ${BODY} writes (${OUTPUT}); "
                        "regenerate it: lumo_signchanges ${BODY} > ${COMMITTED}")
endif()
