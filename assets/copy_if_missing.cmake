# Copies SOURCE to TARGET unless TARGET is there: cmake -DSOURCE=... -DTARGET=... -P copy_if_missing.cmake
if(NOT EXISTS "${TARGET}")
  file(COPY_FILE "${SOURCE}" "${TARGET}")
endif()
