# Runs the packer over a bad manifest: it must fail, say why on its error
# output, and leave no output file.
file(REMOVE ${OUT})
execute_process(COMMAND ${PACKER} --image ${IMAGE} --manifest ${MANIFEST} --out ${OUT}
                RESULT_VARIABLE result ERROR_VARIABLE error)
if(result EQUAL 0)
  message(FATAL_ERROR "the packer accepted ${MANIFEST}")
endif()
if(NOT error MATCHES "^brivel-pack: .+")
  message(FATAL_ERROR "the packer failed without a reason: '${error}'")
endif()
if(EXISTS ${OUT})
  message(FATAL_ERROR "the packer left ${OUT} behind")
endif()
message(STATUS "refused: ${error}")
