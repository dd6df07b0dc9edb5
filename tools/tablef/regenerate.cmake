# Runs the generator into a temporary file and compares it with the shipped
# table byte for byte. Arguments: GENERATOR, OUTPUT, SHIPPED.
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${GENERATOR} ${OUTPUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "make_tablef failed (${rc})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${SHIPPED}
  RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "${SHIPPED} differs from the generator's output ${OUTPUT}; "
    "regenerate it with: make_tablef opdata/TableF.data")
endif()
