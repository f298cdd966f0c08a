# Regenerates the icon with res/make-icon.py and compares it with the committed
# res/Install.ico, so that the drawing in the script and the file cannot drift.
#   cmake -DPYTHON=... -DSOURCE_DIR=... -DWORK_DIR=... -P CheckIcon.cmake
execute_process(
  COMMAND ${PYTHON} ${SOURCE_DIR}/res/make-icon.py ${WORK_DIR}/Install.ico
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "make-icon.py failed: ${result}")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/Install.ico ${SOURCE_DIR}/res/Install.ico
  RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "res/Install.ico is not what res/make-icon.py draws: run it and keep both")
endif()
