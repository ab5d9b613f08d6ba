# VORN_SANITIZE=ON instruments every target with ASan and UBSan; any report aborts the process.
if(VORN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
  # Leaks inside system libraries that are not ours to fix (LeakSuppressions.cpp says which).
  add_library(vorn_leak_suppressions OBJECT ${CMAKE_CURRENT_LIST_DIR}/LeakSuppressions.cpp)
  link_libraries(vorn_leak_suppressions)
endif()
