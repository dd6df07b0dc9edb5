# Runs the generator into an empty folder and compares the five catalogue
# files with the committed ones byte for byte.
# Arguments: GENERATOR, SOURCE, OUTPUT (folder), SHIPPED (folder).
file(REMOVE_RECURSE ${OUTPUT})
execute_process(COMMAND ${GENERATOR} ${SOURCE} ${OUTPUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "make_catalog failed (${rc})")
endif()
set(stale "")
foreach(name CModels.rec CRatings.rec CProdList.data ERatings.rec EProdList.data)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
    ${OUTPUT}/${name} ${SHIPPED}/${name} RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    list(APPEND stale ${name})
  endif()
endforeach()
if(stale)
  message(FATAL_ERROR "${stale} in ${SHIPPED} differ from the generator's output in "
    "${OUTPUT}; regenerate them with: make_catalog proddata/catalog.txt proddata")
endif()
