# AMPERA_SANITIZE: the whole program, its scenario runner and its tests built with
# AddressSanitizer and UndefinedBehaviorSanitizer; any finding ends the process.
option(AMPERA_SANITIZE "Build every target with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(AMPERA_SANITIZE)
  set(sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(ampera_options INTERFACE ${sanitize_flags})
  target_link_options(ampera_options INTERFACE ${sanitize_flags})
endif()
