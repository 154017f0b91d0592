# Run at build time: compresses IN into OUT as Debian ships documentation,
# at the highest level and without a time stamp (gzip -9n).
execute_process(COMMAND gzip -9n -c "${IN}" OUTPUT_FILE "${OUT}" RESULT_VARIABLE failed)
if(failed)
  file(REMOVE "${OUT}")
  message(FATAL_ERROR "gzip ${IN}: ${failed}")
endif()
