# Fails when FILE is larger than LIMIT bytes.
file(SIZE "${FILE}" size)
get_filename_component(name "${FILE}" NAME)
math(EXPR kib "(${size} + 1023) / 1024")
math(EXPR limit_kib "${LIMIT} / 1024")
if(size GREATER LIMIT)
  message(FATAL_ERROR "${name} is ${size} bytes (${kib} KiB), over its limit of ${limit_kib} KiB")
endif()
message(STATUS "${name}: ${size} bytes (${kib} KiB of ${limit_kib} KiB)")
