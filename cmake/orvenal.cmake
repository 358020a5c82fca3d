# Compile settings every target of the project shares.
#
# Sources are UTF-8; the Chinese texts must reach the program as code page 936 bytes,
# so the execution character set is fixed here for every compiler the presets use.
function(orvenal_target_settings target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Werror
    -finput-charset=UTF-8 -fexec-charset=CP936)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  if(WIN32)
    target_compile_definitions(${target} PUBLIC
      WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  endif()
endfunction()
