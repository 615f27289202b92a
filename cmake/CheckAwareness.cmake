# Fails unless the program FILE declares in its manifest that it draws itself
# at each monitor's scale (PerMonitorV2, then PerMonitor, then system-aware on
# Windows before 10), so that Windows does not stretch it blurred.
cmake_minimum_required(VERSION 3.20)
get_filename_component(name "${FILE}" NAME)
file(STRINGS "${FILE}" declared REGEX "dpiAware")
foreach(wanted ">true/pm</dpiAware>" ">PerMonitorV2, PerMonitor</dpiAwareness>")
  string(FIND "${declared}" "${wanted}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${name} does not declare ${wanted} in its manifest: ${declared}")
  endif()
endforeach()
message(STATUS "${name} declares per-monitor scale awareness")
